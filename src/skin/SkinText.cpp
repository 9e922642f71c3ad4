#include "skin/SkinText.h"

namespace {
// The letter a Latin-1 character from U+0080 to U+00FF shows as; a space for all but the accented
// vowels and C cedilla.
char latin1Letter(char32_t c)
{
    const char32_t base = c >= 0xE0 ? c - 0x20 : c; // small letters sit 0x20 above their capitals
    if (base >= 0xC0 && base <= 0xC6)
        return 'A';
    if (base == 0xC7)
        return 'C';
    if (base >= 0xC8 && base <= 0xCB)
        return 'E';
    if (base >= 0xCC && base <= 0xCF)
        return 'I';
    if (base >= 0xD2 && base <= 0xD6)
        return 'O';
    if (base >= 0xD9 && base <= 0xDC)
        return 'U';
    return ' ';
}

char32_t shownCharacter(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return c - U'a' + U'A';
    if (c < 0x20 || c > 0xFF)
        return U' ';
    if (c >= 0x80)
        return char32_t(latin1Letter(c));
    return c;
}
} // namespace

std::array<std::uint16_t, kSkinTextCells> SkinGlyphsFor(QStringView text)
{
    std::array<std::uint16_t, kSkinTextCells> glyphs{};
    int i = 0;
    for (const char32_t c : text.left(2 * kSkinTextCells).toUcs4()) { // a character may take two units
        if (i == kSkinTextCells)
            break;
        glyphs[i++] = std::uint16_t(shownCharacter(c) - 32);
    }
    return glyphs;
}

void SetSkinText(SkinLayout& layout, SkinTexts& texts, const QString& name, const QString& text)
{
    texts.byName.insert(name, text);
    const auto glyphs = SkinGlyphsFor(text);
    for (SkinText& field : layout.texts.records)
        if (field.name == name)
            field.glyphs = glyphs;
}

QString SkinTextOf(const SkinTexts& texts, const QString& name)
{
    return texts.byName.value(name);
}

void ShowSkinTexts(SkinLayout& layout, const SkinTexts& texts)
{
    for (SkinText& field : layout.texts.records)
        if (const auto it = texts.byName.constFind(field.name); it != texts.byName.constEnd())
            field.glyphs = SkinGlyphsFor(*it);
}
