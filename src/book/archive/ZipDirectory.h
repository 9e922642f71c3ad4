// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The central directory of a zip archive, read once before anything is extracted: every entry with
// the place of its local header and its data, and where the directory itself starts. minizip keeps
// the local header offsets to itself, and without them nobody can tell whether entries share their
// data (a zip bomb) or whether a declared size reaches into bytes that belong to something else.
//
// The directory is found the way minizip finds it (the last end record in the file's last 64 KiB,
// preferring a zip64 end record named by a locator), so both see the same entries; the walk still
// checks every entry minizip hands it against this record.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

struct ZipDirectoryEntry {
    QByteArray rawName;
    std::uint16_t madeBy = 0; // the host system in the high byte
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint32_t crc = 0;
    std::uint32_t externalAttributes = 0;
    std::uint64_t compressedSize = 0; // zip64 extra fields honoured
    std::uint64_t uncompressedSize = 0;
    std::uint64_t localOffset = 0;    // of its local header, in the file
    std::uint64_t dataStart = 0;      // of its data, in the file; 0 when no local header is found there
    std::uint64_t recordPosition = 0; // of its central record, as minizip counts it (unzSetOffset64)
    bool zip64 = false;               // a size or the offset came from its zip64 extra field
};

struct ZipDirectory {
    std::vector<ZipDirectoryEntry> entries; // in the directory's order
    std::uint64_t centralStart = 0;         // where the directory starts in the file
    std::uint64_t fileSize = 0;
    bool complete = false; // false when a record breaks off before the count the end record gives
};

// Nothing when the archive has no end record that minizip would accept.
std::optional<ZipDirectory> ReadZipDirectory(const QString& path);
