// SPDX-License-Identifier: GPL-3.0-or-later
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
    if (c < 0x20)
        return U' ';
    if (c >= 0x80)
        return char32_t(latin1Letter(c));
    return c;
}

// The cells a character beyond Latin-1 takes: none for marks and format characters, two for the wide
// ones of East Asian scripts and the pictographs, one for the rest.
int systemCells(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing || category == QChar::Other_Format)
        return 0;
    constexpr std::pair<char32_t, char32_t> kWide[] = {
        {0x1100, 0x115F}, {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},
        {0xA000, 0xA4CF}, {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},
        {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
    };
    for (const auto& [first, last] : kWide)
        if (c >= first && c <= last)
            return 2;
    return 1;
}
} // namespace

SkinTextCells SkinCellsFor(QStringView text)
{
    SkinTextCells out;
    int cell = 0;
    bool afterSystemGlyph = false;
    for (const char32_t c : text.left(4 * kSkinTextCells).toUcs4()) { // a cell may take two units, plus marks
        if (c <= 0xFF) {
            if (cell == kSkinTextCells)
                break;
            out.glyphs[cell++] = std::uint16_t(shownCharacter(c) - 32);
            afterSystemGlyph = false;
            continue;
        }
        const int cells = systemCells(c);
        if (cells == 0) {
            if (afterSystemGlyph)
                out.systemGlyphs.back().text += QString::fromUcs4(&c, 1);
            continue;
        }
        if (cell + cells > kSkinTextCells)
            break;
        out.systemGlyphs.push_back({cell, cells, QString::fromUcs4(&c, 1)});
        cell += cells; // the glyphs under it stay spaces
        afterSystemGlyph = true;
    }
    return out;
}

QColor GlyphInk(const QImage& font, const QRect& strip)
{
    const QRect inside = strip & font.rect();
    if (inside.isEmpty())
        return Qt::black;
    const QRgb background = font.pixel(inside.topLeft());
    QRgb ink = background;
    int farthest = -1;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = font.pixel(x, y);
            const int distance = std::abs(qRed(p) - qRed(background)) + std::abs(qGreen(p) - qGreen(background))
                + std::abs(qBlue(p) - qBlue(background));
            if (distance > farthest) {
                farthest = distance;
                ink = p;
            }
        }
    }
    return QColor(ink);
}

namespace {
void showCells(SkinText& field, const SkinTextCells& cells)
{
    field.glyphs = cells.glyphs;
    field.systemGlyphs = cells.systemGlyphs;
}
} // namespace

void SetSkinText(SkinLayout& layout, SkinTexts& texts, const QString& name, const QString& text)
{
    texts.byName.insert(name, text);
    const SkinTextCells cells = SkinCellsFor(text);
    for (SkinText& field : layout.texts.records)
        if (field.name == name)
            showCells(field, cells);
}

QString SkinTextOf(const SkinTexts& texts, const QString& name)
{
    return texts.byName.value(name);
}

void ShowSkinTexts(SkinLayout& layout, const SkinTexts& texts)
{
    for (SkinText& field : layout.texts.records)
        if (const auto it = texts.byName.constFind(field.name); it != texts.byName.constEnd())
            showCells(field, SkinCellsFor(*it));
}
