// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Extracting one planned zip entry flat into the work folder.

#include "book/archive/ArchiveFileReader.h"
#include "book/archive/OutputFile.h"
#include "book/archive/ZipFallback.h"
#include "book/archive/ZipPlan.h"

#include <QString>
#include <atomic>
#include <minizip/unzip.h>

// What one walk keeps from entry to entry. Each walk has its own; two walks share nothing but the
// work folder, and never a file name in it.
struct ZipWalk {
    ZipWalk(const QString& archivePath, QString dir) : workDir(std::move(dir)), fallback(archivePath)
    {
        storedData.open(archivePath);
    }

    QString workDir;                                // ends in "/"
    const DirectoryHandle* workDirHandle = nullptr; // the open work folder the files are made in
    OutputFile output;
    ZipFallback fallback;
    ArchiveFileReader storedData; // stored entries are copied from the archive file directly
    bool diskFull = false;        // set when an entry stopped because the disk would get too full
    bool outOfMemory = false;     // set when the copy buffer couldn't be made
    int writers = 1;              // walks writing into the work folder at once; they share the free space
    const std::atomic<bool>* cancelled = nullptr; // when set, the copy stops at its next step
};

// Copy steps go 8 KiB at a time, as minizip inflates them.
inline constexpr int kZipCopyStep = 8192;

// Writes `planned`, whose central record is `entry`, to its bare name. Returns 0 when it was written
// whole, else minizip's code (-104 when memory is short, -1 when the output can't be written, -103
// when the entry's data doesn't match what its record says); a file that isn't whole is removed. One
// whose checksum alone fails (-105) keeps its file.
// Links, devices and unsafe names never reach here: the plan leaves them out. Runs on either walk.
int ExtractZipEntry(unzFile zip, ZipWalk& walk, const ZipDirectoryEntry& entry, const PlannedEntry& planned);
