// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which entries of a zip book are written, decided from the central directory before anything is:
// every path once, from the last entry that provides it, so the later entry wins however the work is
// shared out, each file under its own name in WorkDir; and whether the entries' data ranges are sound.

#include "book/archive/ZipDirectory.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <vector>

struct PlannedEntry {
    std::size_t entry = 0; // its place in the directory
    QByteArray bareName;   // the file it is written to, as the file system spells it
    bool overruns = false; // its declared data reaches past the central directory's start
    QString path;          // its path inside the archive
};

struct ZipPlan {
    std::vector<PlannedEntry> entries; // in archive order, each bare name once
    std::uint64_t unpackedBytes = 0;   // the declared sizes of those that can be written, together
};

// The entry's name as the program compares and shows it: taken as it is when flagged UTF-8, else folded
// and read as Windows-1252.
QString ZipEntryText(const ZipDirectoryEntry& entry);

// Entries under `BookChoice` (empty: all), skipping folders, links and devices, macOS metadata, names
// of 256 bytes or more and names without a safe bare name.
ZipPlan PlanZipBook(const ZipDirectory& directory, const QString& BookChoice);

// True when entries share their data: several entries start at one local header, or one entry's data
// runs on into the next entry's local header. Such an archive is a bomb (or broken beyond trust).
bool EntriesOverlap(const ZipDirectory& directory);
