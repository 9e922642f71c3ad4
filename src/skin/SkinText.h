#pragma once
// The skin's bitmap-font texts. The program names its texts ("main" carries the product title or the
// page counter); every TEXT element of that name shows the text through its glyph strip.

#include "skin/SkinLayout.h"

#include <QHash>
#include <QString>
#include <QStringView>

// What each named text was last set to, kept so that a newly loaded layout shows it again.
struct SkinTexts {
    QHash<QString, QString> byName;
};

// The glyph indices of a text: at most its first 255 characters, each one Unicode character. Letters a
// to z become capitals; Latin-1 accented letters lose their accents (é gives E, ç gives C); every other
// character from U+0080 up, and the control characters below U+0020, become a space. Index = code - 32;
// positions past the text are 0 (a space).
std::array<std::uint16_t, kSkinTextCells> SkinGlyphsFor(QStringView text);

// Stores `text` under `name` and shows it in every TEXT element of the layout with that name (names are
// compared exactly; the layout keeps them in lower case). Draws nothing.
void SetSkinText(SkinLayout& layout, SkinTexts& texts, const QString& name, const QString& text);

// What was last stored under `name`; empty when nothing was.
QString SkinTextOf(const SkinTexts& texts, const QString& name);

// Shows every stored text again in a layout just loaded (whose glyphs are all spaces).
void ShowSkinTexts(SkinLayout& layout, const SkinTexts& texts);
