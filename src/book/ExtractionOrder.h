// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order an archive book's files are written in while the reader reads, and the order their
// messages are shown in. Pure logic over the files' states; the worker and the tests share it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

enum class FileWrite : std::uint8_t { Pending, Written, Failed };

// Where the next file is looked for: the files from `cursor` on (the page shown and the pages after
// it), then the ones before it. A file asked for by the reader goes before all of them.
struct WriteOrder {
    std::size_t cursor = 0;
    std::optional<std::size_t> wanted;
    std::size_t scanned = 0; // files looked at since the cursor was set; each is passed once
    std::optional<std::size_t> ahead; // in the archive's order, a file written before all others, once
};

// The next pending file, or nothing when every file is settled. `inArchiveOrder`: only the first pending
// file of `byEntry` (file numbers in the archive's order) may be next, for an archive that can only be
// read from its start to its end.
std::optional<std::size_t> NextFileToWrite(const std::vector<FileWrite>& files, const std::vector<std::size_t>& byEntry,
                                           WriteOrder& order, bool inArchiveOrder);

// How many files of `byEntry` (file numbers in the archive's order) are settled from the start: their
// messages may be shown, and only those, so messages keep the archive's order whatever the writing
// order was.
std::size_t SettledPrefix(const std::vector<FileWrite>& files, const std::vector<std::size_t>& byEntry,
                          std::size_t from);
