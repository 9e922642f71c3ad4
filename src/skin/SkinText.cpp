#include "skin/SkinText.h"

void SetSkinText(SkinTexts& texts, const QString& name, const QString& text)
{
    texts.byName.insert(name, text);
}

QString SkinTextOf(const SkinTexts& texts, const QString& name)
{
    return texts.byName.value(name);
}
