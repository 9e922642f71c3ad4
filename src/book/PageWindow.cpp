// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/PageWindow.h"

#include <algorithm>

namespace {
bool needsWriting(const std::vector<FileWrite>& files, const std::vector<bool>& stale, std::size_t k)
{
    return files[k] == FileWrite::Pending || (files[k] == FileWrite::Written && k < stale.size() && stale[k]);
}


bool nearBrowsed(std::size_t k, std::optional<std::size_t> browsed, const PageWindow& window)
{
    return browsed && k < window.pages && k + window.browsed >= *browsed && k <= *browsed + window.browsed;
}
} // namespace

bool InPageWindow(std::size_t k, std::size_t cursor, const PageWindow& window)
{
    return k < window.pages && k + window.behind >= cursor && k <= cursor + window.ahead;
}

std::optional<std::size_t> NextFileInWindow(const std::vector<FileWrite>& files, const std::vector<bool>& stale,
                                            std::size_t cursor, std::optional<std::size_t> wanted,
                                            const PageWindow& window, std::optional<std::size_t> browsed)
{
    const std::size_t pages = std::min(window.pages, files.size());
    if (wanted && *wanted < files.size() && needsWriting(files, stale, *wanted))
        return wanted;
    if (cursor < pages)
        for (std::size_t k = cursor; k < pages && k <= cursor + window.ahead; ++k)
            if (needsWriting(files, stale, k))
                return k;
    for (std::size_t step = 1; step <= window.behind && step <= cursor; ++step)
        if (cursor - step < pages && needsWriting(files, stale, cursor - step))
            return cursor - step;
    for (std::size_t k = pages; k < files.size(); ++k)
        if (files[k] == FileWrite::Pending)
            return k;
    if (browsed && *browsed < pages)
        for (std::size_t step = 0; step <= window.browsed; ++step) {
            if (*browsed + step < pages && files[*browsed + step] == FileWrite::Pending)
                return *browsed + step;
            if (step > 0 && step <= *browsed && files[*browsed - step] == FileWrite::Pending)
                return *browsed - step;
        }
    return std::nullopt;
}

std::optional<std::size_t> PageToEvict(const std::vector<FileWrite>& files, const std::vector<bool>& stale,
                                       std::size_t cursor, const PageWindow& window,
                                       std::optional<std::size_t> browsed)
{
    const std::size_t pages = std::min(window.pages, files.size());
    std::size_t written = 0;
    std::optional<std::size_t> farthest;
    std::size_t farthestDistance = 0;
    bool farthestStale = false;
    for (std::size_t k = 0; k < pages; ++k) {
        if (files[k] != FileWrite::Written)
            continue;
        ++written;
        if (InPageWindow(k, cursor, window) || nearBrowsed(k, browsed, window))
            continue;
        const std::size_t distance = k > cursor ? k - cursor : cursor - k;
        const bool isStale = k < stale.size() && stale[k];
        if (!farthest || (isStale && !farthestStale) || (isStale == farthestStale && distance > farthestDistance)) {
            farthest = k;
            farthestDistance = distance;
            farthestStale = isStale;
        }
    }
    if (written <= window.kept)
        return std::nullopt;
    return farthest;
}
