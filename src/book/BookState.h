#pragma once
// The book open now: where its pages are, which one is shown, and the decoded images.

#include "book/PageImage.h"

#include <QString>
#include <QStringList>
#include <cstdint>

struct BookState {
    QString BookDir;  // ends in "/"
    QString BookPath; // the book file open now; empty for a directory book or none
    QStringList PageList; // lowered bare page names, in reading order
    std::int32_t pageIndex = 0;
    std::int32_t scrollX = 0;
    std::int32_t scrollY = 0;
    bool bookLoaded = false;
    bool resumePending = false;
    PageImage current;
    PageImage preloaded;
};
