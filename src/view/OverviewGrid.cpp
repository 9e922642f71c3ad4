// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/OverviewGrid.h"

#include <algorithm>

OverviewGrid MakeOverviewGrid(QSize view, int count, QSize cell)
{
    OverviewGrid grid;
    grid.count = std::max(0, count);
    grid.cell = cell;
    const int usable = std::max(0, view.width() - 2 * kOverviewMargin);
    grid.columns = std::max(1, cell.width() > 0 ? usable / cell.width() : 1);
    grid.rows = (grid.count + grid.columns - 1) / grid.columns;
    grid.left = std::max(0, (view.width() - grid.columns * cell.width()) / 2);
    grid.height = grid.rows * cell.height() + 2 * kOverviewMargin;
    return grid;
}

QRect OverviewCell(const OverviewGrid& grid, int index, int scroll)
{
    const int row = index / grid.columns, column = index % grid.columns;
    return QRect(grid.left + column * grid.cell.width(), kOverviewMargin + row * grid.cell.height() - scroll,
                 grid.cell.width(), grid.cell.height());
}

int OverviewPageAt(const OverviewGrid& grid, QPoint point, int scroll)
{
    const int x = point.x() - grid.left, y = point.y() + scroll - kOverviewMargin;
    if (x < 0 || y < 0 || grid.cell.isEmpty())
        return -1;
    const int column = x / grid.cell.width(), row = y / grid.cell.height();
    if (column >= grid.columns)
        return -1;
    const int index = row * grid.columns + column;
    return index < grid.count ? index : -1;
}

int MoveOverviewSelection(const OverviewGrid& grid, int index, OverviewMove move, int rowsShown)
{
    if (grid.count <= 0)
        return -1;
    const int last = grid.count - 1;
    const int page = std::max(1, rowsShown) * grid.columns;
    int to = index;
    switch (move) {
    case OverviewMove::Left: to = index - 1; break;
    case OverviewMove::Right: to = index + 1; break;
    case OverviewMove::Up: to = index - grid.columns; break;
    case OverviewMove::Down: to = index + grid.columns; break;
    case OverviewMove::PageUp: to = index - page; break;
    case OverviewMove::PageDown: to = index + page; break;
    case OverviewMove::First: to = 0; break;
    case OverviewMove::Last: to = last; break;
    }
    // Up or down past the first or last row stays in the same column where it can.
    if ((move == OverviewMove::Up || move == OverviewMove::PageUp) && to < 0)
        to = index % grid.columns;
    if ((move == OverviewMove::Down || move == OverviewMove::PageDown) && to > last)
        to = (index / grid.columns == grid.rows - 1) ? index : last;
    return std::clamp(to, 0, last);
}

int OverviewScrollToShow(const OverviewGrid& grid, int index, int scroll, int viewHeight)
{
    const QRect cell = OverviewCell(grid, index, 0);
    int to = scroll;
    if (cell.top() - kOverviewMargin < to)
        to = cell.top() - kOverviewMargin;
    else if (cell.bottom() + 1 + kOverviewMargin > to + viewHeight)
        to = cell.bottom() + 1 + kOverviewMargin - viewHeight;
    return std::clamp(to, 0, std::max(0, grid.height - viewHeight));
}
