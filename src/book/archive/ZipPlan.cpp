// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/ZipPlan.h"

#include "book/archive/ArchiveNames.h"
#include "book/archive/FlatBookNames.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <numeric>

namespace {
constexpr qsizetype kLongestName = 255;
constexpr unsigned kUnixHost = 3;
constexpr unsigned kMacHost = 19; // OS X writes Unix modes as well
// The file type bits of a Unix mode, as such entries store it in their external attributes' high half.
constexpr std::uint32_t kUnixTypeMask = 0170000;
constexpr std::uint32_t kUnixRegularFile = 0100000;
constexpr std::uint32_t kUnixDirectory = 0040000;
constexpr std::uint64_t kLocalHeaderSize = 30;

// Unix-made entries carry their file type; links and devices are never made, only regular files.
bool isSpecialFile(const ZipDirectoryEntry& entry)
{
    const unsigned host = entry.madeBy >> 8;
    if (host != kUnixHost && host != kMacHost)
        return false;
    const std::uint32_t type = (entry.externalAttributes >> 16) & kUnixTypeMask;
    return type != 0 && type != kUnixRegularFile && type != kUnixDirectory;
}

std::uint64_t addClamped(std::uint64_t a, std::uint64_t b)
{
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

// Where an entry's local header, name, extra field and data end.
std::uint64_t rangeEnd(const ZipDirectoryEntry& entry)
{
    const std::uint64_t start = entry.dataStart ? entry.dataStart : addClamped(entry.localOffset, kLocalHeaderSize);
    return addClamped(start, entry.compressedSize);
}
} // namespace

QString ZipEntryText(const ZipDirectoryEntry& entry)
{
    constexpr std::uint16_t kUtf8NameFlag = 1u << 11;
    return ArchiveNameText(entry.rawName, entry.flags & kUtf8NameFlag);
}

ZipPlan PlanZipBook(const ZipDirectory& directory, const QString& BookChoice)
{
    const std::vector<ZipDirectoryEntry>& entries = directory.entries;
    std::vector<PlannedEntry> candidates;
    std::vector<QString> paths;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ZipDirectoryEntry& entry = entries[i];
        if (entry.rawName.size() > kLongestName || isSpecialFile(entry))
            continue;
        const QString text = ZipEntryText(entry);
        if (!BookChoice.isEmpty() && !text.startsWith(BookChoice))
            continue;
        const QString bare = SafeBareName(text);
        if (bare.isEmpty() || IsAppleDoubleName(text))
            continue;
        candidates.push_back({i, {}, rangeEnd(entry) > directory.centralStart, text});
        paths.push_back(text);
    }
    const std::vector<QByteArray> names = FlatBookNames(paths);
    ZipPlan plan;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        if (names[c].isEmpty())
            continue; // a later entry provides this file
        candidates[c].bareName = names[c];
        // An entry whose data overruns is never written, so what it claims to unpack to doesn't count.
        const std::uint64_t size = candidates[c].overruns ? 0 : entries[candidates[c].entry].uncompressedSize;
        plan.unpackedBytes = addClamped(plan.unpackedBytes, size);
        plan.entries.push_back(std::move(candidates[c]));
    }
    return plan;
}

bool EntriesOverlap(const ZipDirectory& directory)
{
    const std::vector<ZipDirectoryEntry>& entries = directory.entries;
    std::vector<std::size_t> byOffset(entries.size());
    std::iota(byOffset.begin(), byOffset.end(), std::size_t(0));
    std::sort(byOffset.begin(), byOffset.end(),
              [&](std::size_t a, std::size_t b) { return entries[a].localOffset < entries[b].localOffset; });
    for (std::size_t k = 1; k < byOffset.size(); ++k) {
        const ZipDirectoryEntry& before = entries[byOffset[k - 1]];
        if (rangeEnd(before) > entries[byOffset[k]].localOffset)
            return true;
    }
    return false;
}
