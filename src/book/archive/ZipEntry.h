#pragma once
// Extracting the one zip entry minizip points at, flat into the work folder.

#include "book/archive/ArchiveFileReader.h"
#include "book/archive/OutputFile.h"
#include "book/archive/ZipFallback.h"

#include <QString>
#include <minizip/unzip.h>

// What stays the same for every entry of one archive.
struct ZipWalk {
    ZipWalk(const QString& archivePath, QString dir) : workDir(std::move(dir)), fallback(archivePath)
    {
        storedData.open(archivePath);
    }

    QString BookChoice; // empty (everything) or 'Vol1/Chapter2/'
    QString workDir;    // ends in "/"
    int workDirFd = -1;
    OutputFile output;
    ZipFallback fallback;
    ArchiveFileReader storedData; // stored entries are copied from the archive file directly
    bool diskFull = false; // set when an entry stopped because the disk would get too full
    int writers = 1;       // walks writing into the work folder at once; they share the free space
};

// Copy steps go 8 KiB at a time, as minizip inflates them.
inline constexpr int kZipCopyStep = 8192;

// Returns 0 when the entry was written or deliberately skipped, else minizip's code (-104 when memory is
// short, -1 when the output file can't be written). Skipped without a message: folder entries, entries
// outside BookChoice, names of 256 bytes or more, unsafe names, links and devices, names the file system
// refuses.
int ExtractZipEntry(unzFile zip, ZipWalk& walk);
