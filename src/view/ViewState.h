// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the page is shown: stretched or not, flipped, zoom, full screen.

#include <cstdint>
#include <vector>

struct ViewState {
    bool stretched = false;
    bool flipped = false;
    // The page turned by quarter turns clockwise (0..3), on top of `flipped`; kept while the book is
    // open, back to 0 for the next book.
    std::int32_t quarterTurns = 0;
    // The two-page view and manga order of the book open now (from `doublepage` and `mangaorder` when
    // it opens): pages side by side, the pair read right to left with the page-side gestures mirrored.
    bool twoPages = false;
    bool rightToLeft = false;
    bool pairsShifted = false;   // "shift": one more page alone after the cover
    std::int32_t pagesShown = 1; // 2 while a pair is shown
    std::vector<bool> widePages; // the open book's pages found wider than high so far
    bool remembered = false;     // the history gave this book's view: its ComicInfo.xml is not asked
    std::int32_t zoom = 0; // 0..100, added to 100 %
    bool fullscreen = false;
    bool rerenderPending = false;
    std::int32_t writtenPermille = -1; // while an archive book is written: how much of it (0..1000)
};
