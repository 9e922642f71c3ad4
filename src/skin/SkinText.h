// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The skin's bitmap-font texts. The program names its texts ("main" carries the product title or the
// page counter); every TEXT element of that name shows the text through its glyph strip.

#include "skin/SkinLayout.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringView>

// What each named text was last set to, kept so that a newly loaded layout shows it again.
struct SkinTexts {
    QHash<QString, QString> byName;
};

// The cells of a text: the glyph indices of the strip, and the characters it has no cell for. Up to
// U+00FF each character takes one cell: letters a to z become capitals; Latin-1 accented letters lose
// their accents (é gives E, ç gives C); the other Latin-1 characters from U+0080 up, and the control
// characters below U+0020, become a space. Index = code - 32. A character beyond U+00FF is a system
// glyph over two cells when it is wide (CJK, Hangul, full-width forms, pictographs), else over one; a
// mark or format character that follows a system glyph joins it, elsewhere it takes no cell. At most 255
// cells; positions past the text are 0 (a space).
struct SkinTextCells {
    std::array<std::uint16_t, kSkinTextCells> glyphs{};
    std::vector<SkinSystemGlyph> systemGlyphs;
};
SkinTextCells SkinCellsFor(QStringView text);

// The cells a glyph strip can have: codes 32 to 255.
inline constexpr int kSkinGlyphCells = 224;

// The colour a glyph strip draws its characters in: of its pixels (`strip`, within `font`), the one
// farthest from its first, which lies in the space's cell and so is the background. Black for a strip
// outside the image.
QColor GlyphInk(const QImage& font, const QRect& strip);

// Stores `text` under `name` and shows it in every TEXT element of the layout with that name (names are
// compared exactly; the layout keeps them in lower case). Draws nothing.
void SetSkinText(SkinLayout& layout, SkinTexts& texts, const QString& name, const QString& text);

// What was last stored under `name`; empty when nothing was.
QString SkinTextOf(const SkinTexts& texts, const QString& name);

// Shows every stored text again in a layout just loaded (whose glyphs are all spaces).
void ShowSkinTexts(SkinLayout& layout, const SkinTexts& texts);
