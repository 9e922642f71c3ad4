// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder tree of a rar-family archive, listed before the reader chooses a book, and the
// name helpers both rar walks share.

#include "book/archive/BookTree.h"
#include "book/archive/UnrarLayer.h"
#include "common/Message.h"

#include <QString>
#include <vector>

// The caption of the rar family's messages.
inline const QString kRarError = QStringLiteral("Error [RAR COMPRESSION]");

// Said by the listing, and again by a walk or an opening that fails on it, when a header is damaged.
inline Message RarHeaderBroken()
{
    return {QStringLiteral("Header is broken"), kRarError};
}

// The entry's name as the program compares and writes it: the Unicode name when the archive has one,
// else the stored bytes folded and read as Windows-1252.
QString RarEntryName(const RARHeaderDataEx& header);

// Folder entries are those whose attributes are exactly directory, directory + read-only or
// directory + archive.
bool IsRarFolderEntry(const RARHeaderDataEx& header);

// One entry as its header names it, in the archive's order.
struct RarListedEntry {
    QString name;
    bool folder = false;
    bool regularFile = false;
    std::uint64_t size = 0; // declared
    bool encrypted = false; // no password is ever asked for
};

struct RarListing {
    BookTree tree;
    std::vector<RarListedEntry> entries; // up to the first header or entry that can't be passed
    bool opened = false;                 // false: the archive couldn't be opened (nothing is shown)
    bool headerBroken = false;           // "Header is broken" was said; the reader sees the partial tree
    bool laterSolidVolume = false;       // a later part of a solid set opened alone: nothing listed, said why
};

// Opens a rar-family archive (every volume of its set) to extract or skip its entries; nullptr when
// it can't be opened.
// `flags`, when given, receives the archive's ROADF_* flags.
RarHandle OpenRarArchive(const QString& archivePath, unsigned* flags = nullptr);

// Lists the folders the archive stores as entries of their own. Adds "Can't decompress your file" to
// `messages` when passing over an entry fails and "Header is broken" when a header is damaged.
RarListing ListRarFolders(const QString& archivePath, Messages& messages);
