#pragma once
// The skin's named texts ("main" carries the product title or the page counter).
//
// FIXME: the skin's bitmap-font TEXT elements take these over; until then the window title shows "main".

#include <QHash>
#include <QString>

struct SkinTexts {
    QHash<QString, QString> byName;
};

// Stores `text` under `name`. Draws nothing; the caller redraws.
void SetSkinText(SkinTexts& texts, const QString& name, const QString& text);

// What was last stored under `name`; empty when nothing was.
QString SkinTextOf(const SkinTexts& texts, const QString& name);
