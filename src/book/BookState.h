// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The book open now: where its pages are, which one is shown, and the decoded images.

#include "book/BookExtraction.h"
#include "book/PageList.h"
#include "image/PageImage.h"

#include <QString>
#include <cstdint>
#include <memory>

struct BookState {
    QString BookDir;       // ends in "/"; the folder whose images are the pages (WorkDir for an archive)
    QString BookPath;      // what was opened: the archive, or the folder; empty while no book is open
    PageNameList PageList; // the pages in reading order; page i is BookDir + PageList.item(i)
    std::int32_t pageIndex = 0;
    std::int32_t scrollX = 0;
    std::int32_t scrollY = 0;
    bool bookLoaded = false;
    bool resumePending = false;
    PageImage current;
    PageImage preloaded;
    // While an archive book's files are still being written: the worker and what it has written. Page k
    // is file k of the extraction.
    std::unique_ptr<BookExtraction> extraction;
};

// The full path of page `index`; empty when the index is outside the page list.
QString PagePath(const BookState& book, std::int32_t index);

// True when page `index` can be read now: it is written, failed for good, or the book is no archive
// being extracted.
bool PageSettled(const BookState& book, std::int32_t index);
