// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What libarchive doesn't tell about a 7z archive: which entries start a folder (a block of data
// compressed as one). Reaching such an entry costs next to nothing, since libarchive passes whole
// folders over without unpacking them; reaching any other unpacks the entries before it in its folder.
// Read from the archive's own headers, an encoded (LZMA, LZMA2 or stored) header included. The
// headers are untrusted bytes: every count, size and offset is checked, and anything doubtful gives
// nothing, so the archive is read from its start to its end as if it were solid.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// Reads `size` bytes at `offset` of the archive; nothing when they aren't all there.
using ArchiveBytesAt = std::function<std::optional<QByteArray>(std::uint64_t offset, std::size_t size)>;

// One flag per entry, in the order libarchive lists them (directories and empty files included): true
// when the entry's data is the first of its folder, or it has no data at all. Nothing when the headers
// can't be read, are damaged, or use what this reader doesn't know (encrypted headers, filter chains).
std::optional<std::vector<bool>> SevenZipFolderStarts(std::uint64_t fileSize, const ArchiveBytesAt& bytesAt);

// The same for the archive at `path`.
std::optional<std::vector<bool>> SevenZipFolderStarts(const QString& path);
