// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/ExtractionOrder.h"

#include <algorithm>

std::optional<std::size_t> NextFileToWrite(const std::vector<FileWrite>& files, const std::vector<std::size_t>& byEntry,
                                           WriteOrder& order, bool inArchiveOrder)
{
    const std::size_t count = files.size();
    if (inArchiveOrder) {
        if (order.ahead && *order.ahead < count && files[*order.ahead] == FileWrite::Pending)
            return order.ahead;
        order.ahead.reset();
        // The lowest pending file; `scanned` counts from the start and never goes back.
        while (order.scanned < count && files[byEntry[order.scanned]] != FileWrite::Pending)
            ++order.scanned;
        return order.scanned < count ? std::optional(byEntry[order.scanned]) : std::nullopt;
    }
    if (order.wanted && *order.wanted < count && files[*order.wanted] == FileWrite::Pending)
        return order.wanted;
    order.wanted.reset();
    const std::size_t start = std::min(order.cursor, count);
    for (; order.scanned < count; ++order.scanned) {
        const std::size_t k = (start + order.scanned) % count;
        if (files[k] == FileWrite::Pending)
            return k;
    }
    return std::nullopt;
}

std::size_t SettledPrefix(const std::vector<FileWrite>& files, const std::vector<std::size_t>& byEntry,
                          std::size_t from)
{
    while (from < byEntry.size() && files[byEntry[from]] != FileWrite::Pending)
        ++from;
    return from;
}
