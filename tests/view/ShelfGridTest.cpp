// SPDX-License-Identifier: GPL-3.0-or-later
// The recent books' grid: as many columns and rows as fit, centred under the hints, cells found again
// by a point, and arrow steps that stop at the edges.

#include "view/ShelfGrid.h"

#include <gtest/gtest.h>

TEST(ShelfGrid, CellsFitTheViewAndAreFoundByPoint)
{
    // 120 + 20 per column: 4 fit in 660 (less the outer gap); 2 rows of 210 + 20 fit in 48 + 520.
    const ShelfGrid grid = LayoutShelf(QSize(660, 568), 10);
    EXPECT_EQ(grid.columns, 4);
    EXPECT_EQ(grid.rows, 2);
    EXPECT_EQ(grid.shown, 8);
    const QRect first = ShelfCellRect(grid, 0);
    const QRect last = ShelfCellRect(grid, 7);
    EXPECT_EQ(first.size(), QSize(kShelfCover.width(), kShelfCover.height() + kShelfCaption));
    EXPECT_EQ(first.left(), 660 - 1 - last.right()); // centred across
    EXPECT_GE(first.top(), kShelfHintBand);
    EXPECT_FALSE(first.intersects(grid.openBook) || first.intersects(grid.openFolder));
    EXPECT_TRUE(ShelfCellRect(grid, 8).isNull());
    EXPECT_EQ(ShelfBookAt(grid, last.center()), 7);
    EXPECT_EQ(ShelfBookAt(grid, first.topLeft() - QPoint(1, 1)), -1);

    // Fewer books than fit: one row of exactly them; none: hints alone; a tiny view still shows one.
    const ShelfGrid three = LayoutShelf(QSize(1000, 800), 3);
    EXPECT_EQ(std::pair(three.columns, three.rows), std::pair(3, 1));
    EXPECT_EQ(LayoutShelf(QSize(1000, 800), 0).shown, 0);
    EXPECT_FALSE(LayoutShelf(QSize(1000, 800), 0).openBook.isEmpty());
    EXPECT_EQ(LayoutShelf(QSize(50, 50), 5).shown, 1);
}

TEST(ShelfGrid, ArrowStepsMoveWithinTheBooksShown)
{
    const ShelfGrid grid = LayoutShelf(QSize(660, 568), 6); // 4 + 2
    EXPECT_EQ(ShelfStep(grid, -1, 1, 0), 0); // the first step selects the first book
    EXPECT_EQ(ShelfStep(grid, 0, 1, 0), 1);
    EXPECT_EQ(ShelfStep(grid, 0, -1, 0), 0);
    EXPECT_EQ(ShelfStep(grid, 3, 1, 0), 3);
    EXPECT_EQ(ShelfStep(grid, 1, 0, 1), 5);
    EXPECT_EQ(ShelfStep(grid, 3, 0, 1), 3); // no book below
    EXPECT_EQ(ShelfStep(grid, 5, 0, -1), 1);
    EXPECT_EQ(ShelfStep(LayoutShelf(QSize(660, 568), 0), -1, 1, 0), -1);
}
