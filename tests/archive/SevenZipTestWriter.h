// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes small 7z archives with stored data and a plain header, so the folders of an archive can be
// chosen at test time (libarchive's own writer puts every file into one folder).

#include <QByteArray>
#include <utility>
#include <vector>

using ArchiveEntries = std::vector<std::pair<QByteArray, QByteArray>>; // name, data (data "/" makes a folder)

// A 7z (one solid folder, its header packed with LZMA; its data packed by libarchive's `compression`,
// LZMA when none is given) or a tar, written by libarchive.
QByteArray WriteArchiveWithLibarchive(bool sevenZip, const ArchiveEntries& entries, const char* compression = nullptr);

struct SevenZipTestEntry {
    QByteArray name;
    QByteArray data; // "/": a folder, which has no data
};

// Each group of entries with data is one folder, its data stored one entry after the other; folders
// are empty streams. Entries are listed group by group.
QByteArray WriteSevenZipArchive(const std::vector<std::vector<SevenZipTestEntry>>& folders);

// An archive of `packed` data followed by `header` (from its property id on), with a sound start
// header and checksums: how hostile headers reach the reader.
QByteArray SevenZipWithHeader(const QByteArray& packed, const QByteArray& header);

// The header's variable-length number.
QByteArray SevenZipNumber(quint64 value);
