// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page counter shown after every page change: "PAGE : 3/24 (b.cbz)".

#include "book/PagePairs.h"

#include <QString>
#include <cstdint>

// The name of the book in the counter: the last component of BookPath. A directory keeps its trailing
// separator ('/comics/Book1/' gives 'Book1/'); an archive gives its file name ('b.cbz').
QString BookNameOf(const QString& bookPath);

// "PAGE : " + (pageIndex + 1) + "/" + pageCount + " (" + book name + ")".
QString PageCounterText(std::int32_t pageIndex, std::int32_t pageCount, const QString& bookPath);

// The same with the pages shown: "PAGE : 4-5/24 (b.cbz)" for a pair.
QString PageCounterText(PagePair shown, std::int32_t pageCount, const QString& bookPath);
