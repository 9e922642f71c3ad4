// SPDX-License-Identifier: GPL-3.0-or-later
// The page overview's grid: columns for the width, the cell under a point, the selection's moves and the
// scroll that shows it.

#include "view/OverviewGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(OverviewGrid, CellsPointsMovesAndScroll)
{
    // 10 pages of 100 x 120 cells in a view 350 wide: 3 columns, 4 rows, centred.
    const OverviewGrid grid = MakeOverviewGrid(QSize(350, 300), 10, QSize(100, 120));
    EXPECT_EQ(grid.columns, 3);
    EXPECT_EQ(grid.rows, 4);
    EXPECT_EQ(grid.left, 25);
    EXPECT_EQ(grid.height, 4 * 120 + 2 * kOverviewMargin);
    EXPECT_EQ(OverviewCell(grid, 4, 0), QRect(125, kOverviewMargin + 120, 100, 120));
    EXPECT_EQ(OverviewCell(grid, 4, 50).top(), kOverviewMargin + 70);
    EXPECT_EQ(OverviewPageAt(grid, QPoint(130, kOverviewMargin + 125), 0), 4);
    EXPECT_EQ(OverviewPageAt(grid, QPoint(130, kOverviewMargin + 5), 120), 4);
    for (QPoint outside : {QPoint(10, 50), QPoint(340, 50), QPoint(130, 5), QPoint(130, kOverviewMargin + 3 * 120 + 5)})
        EXPECT_EQ(OverviewPageAt(grid, outside, 0), -1) << outside.x() << "," << outside.y(); // margins, page 11
    EXPECT_EQ(MakeOverviewGrid(QSize(50, 300), 10, QSize(100, 120)).columns, 1) << "one column at least";

    const struct {
        int from;
        OverviewMove move;
        int to;
    } moves[] = {
        {4, OverviewMove::Left, 3},  {3, OverviewMove::Left, 2},     {0, OverviewMove::Left, 0},
        {2, OverviewMove::Right, 3}, {9, OverviewMove::Right, 9},    {4, OverviewMove::Up, 1},
        {1, OverviewMove::Up, 1},    {4, OverviewMove::Down, 7},     {8, OverviewMove::Down, 9},
        {9, OverviewMove::Down, 9},  {9, OverviewMove::PageUp, 3},   {1, OverviewMove::PageDown, 7},
        {5, OverviewMove::First, 0}, {5, OverviewMove::Last, 9},
    };
    for (const auto& m : moves)
        EXPECT_EQ(MoveOverviewSelection(grid, m.from, m.move, 2), m.to) << m.from << " move " << int(m.move);

    // Shown whole, moving as little as possible; never beyond the grid.
    EXPECT_EQ(OverviewScrollToShow(grid, 0, 0, 300), 0);
    EXPECT_EQ(OverviewScrollToShow(grid, 7, 0, 300), 3 * 120 + 2 * kOverviewMargin - 300);
    EXPECT_EQ(OverviewScrollToShow(grid, 9, 0, 300), grid.height - 300);
    EXPECT_EQ(OverviewScrollToShow(grid, 1, 200, 300), 0);
    EXPECT_EQ(OverviewScrollToShow(grid, 4, 100, 300), 100);
}

} // namespace
