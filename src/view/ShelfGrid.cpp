// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ShelfGrid.h"

#include <algorithm>

namespace {
QSize cellSize()
{
    return {kShelfCover.width(), kShelfCover.height() + kShelfCaption};
}
} // namespace

ShelfGrid LayoutShelf(QSize area, int count)
{
    ShelfGrid grid;
    const int hintWidth = std::min(200, std::max(0, (area.width() - 3 * kShelfGap) / 2));
    const int hintTop = (kShelfHintBand - 28) / 2;
    const int hintsLeft = (area.width() - 2 * hintWidth - kShelfGap) / 2;
    grid.openBook = QRect(hintsLeft, hintTop, hintWidth, 28);
    grid.openFolder = QRect(hintsLeft + hintWidth + kShelfGap, hintTop, hintWidth, 28);
    if (count <= 0)
        return grid;
    const QSize cell = cellSize();
    const int width = area.width() - kShelfGap;
    const int height = area.height() - kShelfHintBand;
    const int fitColumns = std::max(1, width / (cell.width() + kShelfGap));
    grid.columns = std::min(count, fitColumns);
    const int neededRows = (count + grid.columns - 1) / grid.columns;
    const int fitRows = std::max(1, height / (cell.height() + kShelfGap));
    grid.rows = std::min(neededRows, fitRows);
    grid.shown = std::min(count, grid.columns * grid.rows);
    const int gridWidth = grid.columns * (cell.width() + kShelfGap) - kShelfGap;
    const int gridHeight = grid.rows * (cell.height() + kShelfGap) - kShelfGap;
    grid.origin = QPoint((area.width() - gridWidth) / 2,
                         kShelfHintBand + std::max(0, (height - gridHeight) / 2));
    return grid;
}

QRect ShelfCellRect(const ShelfGrid& grid, int index)
{
    if (grid.columns <= 0 || index < 0 || index >= grid.shown)
        return {};
    const QSize cell = cellSize();
    const int column = index % grid.columns;
    const int row = index / grid.columns;
    return {grid.origin + QPoint(column * (cell.width() + kShelfGap), row * (cell.height() + kShelfGap)), cell};
}

int ShelfBookAt(const ShelfGrid& grid, QPoint point)
{
    for (int index = 0; index < grid.shown; ++index)
        if (ShelfCellRect(grid, index).contains(point))
            return index;
    return -1;
}

int ShelfStep(const ShelfGrid& grid, int index, int dx, int dy)
{
    if (grid.shown <= 0)
        return -1;
    if (index < 0 || index >= grid.shown)
        return 0;
    const int column = index % grid.columns + dx;
    const int row = index / grid.columns + dy;
    if (column < 0 || column >= grid.columns || row < 0)
        return index;
    const int next = row * grid.columns + column;
    return next < grid.shown ? next : index;
}
