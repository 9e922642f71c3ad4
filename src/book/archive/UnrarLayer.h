// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rar-family archives through the call shape of the UnRAR library: open an archive, read one header
// after another, and skip or extract the entry each header names. libarchive does the reading.
//
// Names come with "\" between folders. A name libarchive could turn into Unicode is in FileNameW;
// otherwise FileNameW is empty and FileName holds the stored bytes (an old DOS-era name).

#include <cstdint>
#include <cwchar>

enum : int {
    ERAR_SUCCESS = 0,
    ERAR_END_ARCHIVE = 10,
    ERAR_NO_MEMORY = 11,
    ERAR_BAD_DATA = 12, // a header or the data of an entry is damaged
    ERAR_BAD_ARCHIVE = 13,
    ERAR_UNKNOWN_FORMAT = 14,
    ERAR_EOPEN = 15,
    ERAR_ECREATE = 16,
    ERAR_ECLOSE = 17,
    ERAR_EREAD = 18,
    ERAR_EWRITE = 19, // also: the disk would get too full
    ERAR_SMALL_BUF = 20,
    ERAR_UNKNOWN = 21,
    ERAR_MISSING_PASSWORD = 22,
};

enum : unsigned { RAR_OM_LIST = 0, RAR_OM_EXTRACT = 1 };
enum : int { RAR_SKIP = 0, RAR_TEST = 1, RAR_EXTRACT = 2 };

// File attributes as the archive's headers carry them for Windows.
enum : unsigned { RAR_ATTR_READONLY = 0x01, RAR_ATTR_DIRECTORY = 0x10, RAR_ATTR_ARCHIVE = 0x20 };

struct RAROpenArchiveDataEx {
    const char* ArcName = nullptr; // native path of the archive (or of any volume of its set)
    unsigned OpenMode = RAR_OM_EXTRACT;
    unsigned OpenResult = 0;
    char* CmtBuf = nullptr; // archive comments are not read: CmtSize and CmtState stay 0
    unsigned CmtBufSize = 0;
    unsigned CmtSize = 0;
    unsigned CmtState = 0;
    unsigned Flags = 0; // ROADF_* of the opened archive
};

// Archive flags as RAROpenArchiveEx reports them: a volume set, or a solid archive (its entries can
// only be read in order).
enum : unsigned { ROADF_VOLUME = 0x0001, ROADF_SOLID = 0x0008 };

struct RARHeaderDataEx {
    char FileName[1024];     // stored bytes; empty when the name doesn't fit
    wchar_t FileNameW[1024]; // the Unicode name; empty when the name has none or doesn't fit
    unsigned FileAttr;       // RAR_ATTR_DIRECTORY for folders, RAR_ATTR_ARCHIVE for files
    std::uint64_t UnpSize;
    bool Encrypted;
    bool RegularFile; // false for folders, links and devices, which are never extracted as such
};

struct RarArchive;
using RarHandle = RarArchive*;

// Opens the archive with every volume of its set. Null on failure, with the reason in OpenResult.
RarHandle RAROpenArchiveEx(RAROpenArchiveDataEx* data);

// Reads the next header: ERAR_SUCCESS, ERAR_END_ARCHIVE after the last entry, ERAR_BAD_DATA when a
// header is broken or can't be read (also an encrypted one).
int RARReadHeaderEx(RarHandle archive, RARHeaderDataEx* header);

// Skips (RAR_SKIP), checks (RAR_TEST) or extracts (RAR_EXTRACT) the entry of the last header. An
// extraction writes the full native path `destName` (destPath is not used); a link there is replaced,
// never followed, and a partial file left by a failure is removed. Folders, links and devices are
// skipped. An entry never unpacks to more than its header declares (that is damage, or a bomb), nor
// the archive to more than its ExtractionAllowance (ERAR_EWRITE, as when the disk would get too full).
// Returns ERAR_SUCCESS, ERAR_BAD_DATA (damaged or missing data, as with a missing volume),
// ERAR_MISSING_PASSWORD, ERAR_ECREATE or ERAR_EWRITE.
int RARProcessFile(RarHandle archive, int operation, const char* destPath, const char* destName);

int RARCloseArchive(RarHandle archive);

// Called with UCM_PROCESSDATA (p1: the data, p2: its size) for each piece of data an extraction
// unpacks; a result of -1 stops the extraction, which then returns ERAR_UNKNOWN and leaves no file.
enum : unsigned { UCM_PROCESSDATA = 1 };
using UNRARCALLBACK = int (*)(unsigned msg, std::intptr_t userData, std::intptr_t p1, std::intptr_t p2);
void RARSetCallback(RarHandle archive, UNRARCALLBACK callback, std::intptr_t userData);
