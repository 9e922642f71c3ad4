// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/SkinGeometry.h"

#include <algorithm>

namespace {
std::int64_t bounded(std::int64_t value)
{
    return std::clamp(value, -kSkinCoordLimit, kSkinCoordLimit);
}

// A negative size ends the element that far before the far edge.
std::int64_t sizeToEdge(std::int32_t size, std::int64_t start, int extent)
{
    return size < 0 ? extent + std::int64_t(size) - start : size;
}
} // namespace

QRect BoundedRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height)
{
    return QRect(int(bounded(x)), int(bounded(y)), int(std::clamp<std::int64_t>(width, 0, kSkinCoordLimit)),
                 int(std::clamp<std::int64_t>(height, 0, kSkinCoordLimit)));
}

std::int64_t FromEdge(std::int32_t value, int extent)
{
    return value < 0 ? extent + std::int64_t(value) : value;
}

QRect ResolveRegion(const SkinRegion& region, QSize window)
{
    const std::int64_t x = FromEdge(region.x, window.width());
    const std::int64_t y = FromEdge(region.y, window.height());
    return BoundedRect(x, y, sizeToEdge(region.width, x, window.width()),
                       sizeToEdge(region.height, y, window.height()));
}

QRect ResolveElement(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, QSize window)
{
    return BoundedRect(FromEdge(x, window.width()), FromEdge(y, window.height()), width, height);
}

QRect ResolveTextField(const SkinText& text, QSize window)
{
    return BoundedRect(FromEdge(text.x, window.width()), FromEdge(text.y, window.height()),
                       TextFieldWidth(text, window), text.cellHeight);
}

std::int64_t TextFieldWidth(const SkinText& text, QSize window)
{
    return sizeToEdge(text.width, FromEdge(text.x, window.width()), window.width());
}

SkinEdges ResolveMoveArea(const SkinRect& area, QSize window)
{
    return {FromEdge(area.x1, window.width()), FromEdge(area.y1, window.height()), FromEdge(area.x2, window.width()),
            FromEdge(area.y2, window.height())};
}

SkinEdges ResolveSizeArea(const SkinRect& area, QSize window)
{
    return {FromEdge(area.x1, window.width()), FromEdge(area.y1, window.height()),
            area.x2 < 0 ? 2 * std::int64_t(window.width()) : area.x2,
            area.y2 < 0 ? 2 * std::int64_t(window.height()) : area.y2};
}

bool ElementContains(const QRect& element, QPoint p)
{
    return element.x() < p.x() && p.x() < element.x() + element.width() && element.y() < p.y()
        && p.y() < element.y() + element.height();
}

namespace {
// The last element of a table (in file order) that holds the point, or -1.
template <typename Element> int lastElementAt(const std::vector<Element>& elements, QSize window, QPoint point)
{
    int hot = -1;
    for (int i = 0; i < int(elements.size()); ++i) {
        const Element& e = elements[i];
        if (ElementContains(ResolveElement(e.x, e.y, e.width, e.height, window), point))
            hot = i;
    }
    return hot;
}
} // namespace

int ButtonAt(const SkinLayout& layout, QSize window, QPoint point)
{
    return lastElementAt(layout.buttons.records, window, point);
}

int SliderAt(const SkinLayout& layout, QSize window, QPoint point)
{
    return lastElementAt(layout.sliders.records, window, point);
}

std::int32_t SliderKnobFor(std::int32_t value, std::int32_t width)
{
    if (value <= 4)
        return 5;
    return std::int32_t(std::min<std::int64_t>(value, std::int64_t(width) - 5));
}

void SetSliderValue(SkinLayout& layout, QStringView name, int percent)
{
    percent = std::clamp(percent, 0, 100);
    for (SkinSlider& slider : layout.sliders.records) {
        if (slider.name != name)
            continue;
        slider.value = std::int32_t(std::int64_t(percent) * slider.width / 100);
        slider.knob = SliderKnobFor(slider.value, slider.width);
    }
}

int SliderPercent(const SkinSlider& slider)
{
    if (slider.width <= 0)
        return 0;
    return int(std::clamp<std::int64_t>(std::int64_t(slider.value) * 100 / slider.width, 0, 100));
}

QSize TileGrid(QSize region, QSize source)
{
    if (source.width() <= 0 || source.height() <= 0 || region.width() <= 0 || region.height() <= 0)
        return {0, 0};
    return {region.width() / source.width(), region.height() / source.height()};
}

int TextCellCount(std::int64_t fieldWidth, std::int32_t cellWidth)
{
    if (cellWidth <= 0)
        return 0;
    return int(std::clamp<std::int64_t>(fieldWidth / cellWidth + 1, 0, kSkinTextCells));
}
