// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What libarchive 3.6 doesn't tell about rar entries, read from their headers once when an archive is
// opened: whether an entry is encrypted (it reads RAR 5's encryption record not at all and hands back
// the cipher text of a stored entry as its data) and the checksum of its data (it checks none for
// stored data, so a damaged page would be written as if it were sound).

#include <QStringList>
#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <vector>

struct RarEntryFacts {
    bool encrypted = false;
    std::optional<std::uint32_t> crc; // CRC32 of the whole unpacked data, when the header has it
    bool solid = false;               // its data continues the previous entry's: read in order only
};

// One record per entry, in the order libarchive returns the entries (the later parts of an entry split
// across volumes are not entries of their own). Shorter than the entry list, or empty, when the headers
// can't be walked to the end; entries past it are left to libarchive alone.
std::vector<RarEntryFacts> ReadRarHeaderIndex(const QStringList& volumes);

// True for a RAR 5 volume that is not the first of a solid set: its entries continue data it doesn't
// hold, so none can be read without the volumes before it.
bool IsLaterSolidRarVolume(const QString& volume);

// Where the block after one at `position` starts, its header and data sizes as read from the header;
// nothing when they reach past the end of the file (a damaged or hostile header), so no size read from
// a header is ever used to seek beyond the file.
std::optional<qint64> NextRarBlock(qint64 position, std::uint64_t headerBytes, std::uint64_t dataBytes,
                                   qint64 fileSize);
