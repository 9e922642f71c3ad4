// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the skin's rectangles fall on a window of a given size, and the arithmetic of sliders, tiles
// and text cells. Values from a layout file can be anything a 32-bit number holds, so every sum is
// taken in 64 bits and the results are kept within ±kSkinCoordLimit, far outside any window.

#include "skin/SkinLayout.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringView>

inline constexpr std::int64_t kSkinCoordLimit = std::int64_t(1) << 26;

// A rectangle by its four edges, for the strict hit test: inside when x1 < x < x2 and y1 < y < y2.
struct SkinEdges {
    std::int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool contains(QPoint p) const { return x1 < p.x() && p.x() < x2 && y1 < p.y() && p.y() < y2; }
};

// A rectangle from 64-bit values, each kept within ±kSkinCoordLimit; a negative size gives an empty one.
QRect BoundedRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height);

// x (or y) below 0 counts from the right (bottom) edge.
std::int64_t FromEdge(std::int32_t value, int extent);

// A region: x, y from the edges; a negative width (height) ends the region that far before the right
// (bottom) edge.
QRect ResolveRegion(const SkinRegion& region, QSize window);
// A button or slider: x and y from the edges, the size as written.
QRect ResolveElement(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, QSize window);
// A text field: as a region, one cell high. Its width before any bounding is TextFieldWidth.
QRect ResolveTextField(const SkinText& text, QSize window);
std::int64_t TextFieldWidth(const SkinText& text, QSize window);
// The drag area: every negative edge counts from the right or bottom.
SkinEdges ResolveMoveArea(const SkinRect& area, QSize window);
// The size grip: a negative left (top) counts from the right (bottom); a negative right (bottom) means
// no limit (twice the window's width or height).
SkinEdges ResolveSizeArea(const SkinRect& area, QSize window);
// The element's strict hit test: x < px < x + width and y < py < y + height.
bool ElementContains(const QRect& element, QPoint p);

// The button under `point` (the last in file order that holds it), or -1.
int ButtonAt(const SkinLayout& layout, QSize window, QPoint point);
// The slider under `point` (the last in file order that holds it), or -1.
int SliderAt(const SkinLayout& layout, QSize window, QPoint point);

// A slider's knob position for a filled length: 5 up to a value of 4, else the value, at most width - 5.
std::int32_t SliderKnobFor(std::int32_t value, std::int32_t width);
// Sets every slider named `name` to `percent` (0..100) of its width. Draws nothing.
void SetSliderValue(SkinLayout& layout, QStringView name, int percent);
// The slider's value as a percentage of its width (0 for a slider without width).
int SliderPercent(const SkinSlider& slider);

// Whole tiles of a source size that fit a region; zero when either size is not positive.
QSize TileGrid(QSize region, QSize source);

// Glyph cells a text field draws: one more than whole cells fit, at most 255; none without a cell width.
int TextCellCount(std::int64_t fieldWidth, std::int32_t cellWidth);
