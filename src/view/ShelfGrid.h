// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the recent books' covers go when no book is open: a band of two hints at the top ("Open a
// book..." and "Open a folder..."), then a grid of cells, each a cover with the book's name and page
// under it, centred in the view. Only as many rows as fit are shown.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <utility>

struct ShelfGrid {
    int columns = 0;
    int rows = 0;       // rows shown; columns * rows may be more than the books
    int shown = 0;      // books shown: the first `shown` of the list
    QPoint origin;      // the first cell's top-left corner
    QRect openBook;     // the two hints
    QRect openFolder;
};

inline constexpr QSize kShelfCover(120, 170); // the cover's box within a cell
inline constexpr int kShelfCaption = 40;      // two text lines under the cover
inline constexpr int kShelfGap = 20;          // between cells and around the grid
inline constexpr int kShelfHintBand = 48;     // the hints' band at the top

// The grid for `count` books in a view of `area`.
ShelfGrid LayoutShelf(QSize area, int count);

// The whole cell of book `index` (cover and caption); the cover is its top kShelfCover part.
QRect ShelfCellRect(const ShelfGrid& grid, int index);

// The book whose cell holds `point`, or -1.
int ShelfBookAt(const ShelfGrid& grid, QPoint point);

// The book selected after an arrow step of (dx, dy) from `index` (-1: none selected yet, the first is
// taken); steps stop at the edges of the books shown.
int ShelfStep(const ShelfGrid& grid, int index, int dx, int dy);
