// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parsed layout of the active skin (layout.cor): three named rectangles and the four element tables.
// Coordinates are window pixels from the top-left corner; a negative one counts from the right or bottom
// edge (skin/SkinGeometry.h resolves them against the window's size).

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

struct SkinRect {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct SkinRegion {
    std::int32_t x = 0, y = 0, width = 0, height = 0;             // on the window
    std::int32_t srcX = 0, srcY = 0, srcWidth = 0, srcHeight = 0; // in background.bmp
    std::int32_t stretch = 0;                                     // 0: tile, otherwise scale
};

struct SkinButton {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    std::int32_t srcX = 0, srcY = 0; // the up image in elements.bmp; the down image lies right below it
    QString action;                  // an action word, lower case
};

struct SkinSlider {
    std::int32_t x = 0, y = 0, width = 0, height = 0; // height is also the knob's side
    std::int32_t srcX = 0, srcY = 0;
    std::int32_t value = 0; // filled length in pixels, 0..width
    std::int32_t knob = 0;  // knob position in pixels, 5..width - 5
    QString name;
};

inline constexpr int kSkinTextCells = 255;

// Characters a glyph strip has no cell for (those beyond Latin-1): drawn with the system font over
// `cells` cells from `cell`, whose glyphs are spaces.
struct SkinSystemGlyph {
    int cell = 0;
    int cells = 1;
    QString text; // one character, with the marks that follow it
};

struct SkinText {
    std::int32_t x = 0, y = 0, width = 0;
    std::int32_t cellWidth = 0, cellHeight = 0;
    std::int32_t srcX = 0, srcY = 0;                    // the glyph strip in font.bmp: cell i shows character 32 + i
    std::array<std::uint16_t, kSkinTextCells> glyphs{}; // glyph indices; 0 is a space
    std::vector<SkinSystemGlyph> systemGlyphs;          // in cell order
    QString name;
};

// One element table: the records read so far and how many the INIT line allows.
template <typename Record> struct SkinTable {
    std::vector<Record> records;
    int capacity = 0;
};

struct SkinLayout {
    SkinRect sizeArea; // the size grip
    SkinRect moveArea; // where the window is dragged from
    SkinRect pageArea; // left, top, right, bottom of the page view
    SkinTable<SkinRegion> regions;
    SkinTable<SkinButton> buttons;
    SkinTable<SkinSlider> sliders;
    SkinTable<SkinText> texts;

    // The button and the slider under the point last given to DrawSkinElements; -1 for none.
    int hotButton = -1;
    int hotSlider = -1;
};
