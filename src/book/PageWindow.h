// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book whose pages are made on demand (a PDF rendered page by page) keeps only a window of them on
// disk: the page read, a few after it and one or two before. Pure logic over the files' states; the
// extraction's worker and the tests share it.

#include "book/ExtractionOrder.h"

#include <cstddef>
#include <optional>
#include <vector>

struct PageWindow {
    std::size_t pages = 0;  // files 0..pages-1 are pages; the files after them are always written
    std::size_t ahead = 8;  // pages after the one read that are made
    std::size_t behind = 3; // pages before it
    std::size_t browsed = 8; // pages either side of the one browsed (the page overview's selection)
    std::size_t kept = 32;  // pages left on disk at most; the farthest from the one read go first
};

// The next file to write: `wanted` when it still needs writing, then the page at `cursor`, the pages
// after it, the pages before it, then the other files, then the pages nearest `browsed` (only while
// pending: a thumbnail is made of them). A page needs writing when pending, or written but `stale` (made
// for another view: written again, the old file serving meanwhile). Nothing: the window is done.
std::optional<std::size_t> NextFileInWindow(const std::vector<FileWrite>& files, const std::vector<bool>& stale,
                                            std::size_t cursor, std::optional<std::size_t> wanted,
                                            const PageWindow& window,
                                            std::optional<std::size_t> browsed = std::nullopt);

// Whether page `k` lies in the window around `cursor`.
bool InPageWindow(std::size_t k, std::size_t cursor, const PageWindow& window);

// A written page to remove so that no more than `window.kept` pages stay on disk: the one farthest
// from `cursor` outside its window and the pages browsed, or, when a page is `stale`, that one first.
// Nothing: none has to go.
std::optional<std::size_t> PageToEvict(const std::vector<FileWrite>& files, const std::vector<bool>& stale,
                                       std::size_t cursor, const PageWindow& window,
                                       std::optional<std::size_t> browsed = std::nullopt);
