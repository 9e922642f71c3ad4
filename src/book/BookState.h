#pragma once
// The book open now: where its pages are, which one is shown, and the decoded images.

#include "book/PageImage.h"
#include "book/PageList.h"

#include <QString>
#include <cstdint>

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
};

// The full path of page `index`; empty when the index is outside the page list.
QString PagePath(const BookState& book, std::int32_t index);
