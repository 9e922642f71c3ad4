// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/PageCounter.h"

#include "common/Paths.h"

QString BookNameOf(const QString& bookPath)
{
    // The search starts before the last character, so a directory's own trailing separator stays.
    qsizetype i = bookPath.size() - 2;
    while (i > 0 && bookPath[i] != paths::kSeparator)
        --i;
    if (i < 0 || bookPath[i] != paths::kSeparator)
        return bookPath; // no separator at all: the path is its own name
    return bookPath.mid(i + 1);
}

QString PageCounterText(std::int32_t pageIndex, std::int32_t pageCount, const QString& bookPath)
{
    return PageCounterText(PagePair{pageIndex, 1}, pageCount, bookPath);
}

QString PageCounterText(PagePair shown, std::int32_t pageCount, const QString& bookPath)
{
    return QStringLiteral("PAGE : %1/%2 (%3)").arg(PairNumbers(shown), QString::number(pageCount), BookNameOf(bookPath));
}
