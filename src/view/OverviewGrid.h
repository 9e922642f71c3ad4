// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the page overview puts its cells: as many columns of equal cells as the view's width takes,
// centred, one row after another down a scrolled column; which cell a point is in; where the arrow keys
// move the selection; how far to scroll to show a cell.

#include <QPoint>
#include <QRect>
#include <QSize>

struct OverviewGrid {
    int count = 0;   // pages
    int columns = 1;
    int rows = 0;
    QSize cell;      // a thumbnail's box with its number below and the gap around it
    int left = 0;    // the first column's x
    int height = 0;  // of all the rows, with the margins
};

inline constexpr int kOverviewMargin = 12;

OverviewGrid MakeOverviewGrid(QSize view, int count, QSize cell);

// The cell of page `index` with the grid scrolled down by `scroll` pixels.
QRect OverviewCell(const OverviewGrid& grid, int index, int scroll);

// The page whose cell holds `point`; -1 for none.
int OverviewPageAt(const OverviewGrid& grid, QPoint point, int scroll);

enum class OverviewMove { Left, Right, Up, Down, PageUp, PageDown, First, Last };

// The selection after `move` from `index`; `rowsShown` is how many rows a page up or down moves. The
// selection stays within the pages; left and right go on into the row before or after.
int MoveOverviewSelection(const OverviewGrid& grid, int index, OverviewMove move, int rowsShown);

// The scroll (0 .. the grid's height minus the view's) that shows page `index` whole in a view
// `viewHeight` high, moving as little as it can from `scroll`.
int OverviewScrollToShow(const OverviewGrid& grid, int index, int scroll, int viewHeight);
