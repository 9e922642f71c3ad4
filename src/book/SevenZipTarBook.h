// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 7z and tar books (cb7, 7z, cbt, tar), read through libarchive under the zip family's rules: the
// reader picks one book when the folders branch, pages are written flat, each under a name of its own,
// the later entry of a path wins, macOS metadata and unsafe names are skipped, and the disk budget and the
// unpacked-size cap hold. The messages are the zip family's.

#include "book/ArchiveBook.h"
#include "book/archive/BookChooser.h"
#include "common/Message.h"

#include <QString>
#include <optional>

// Plans the book chosen inside the archive from its headers, read once without writing: its pages in
// reading order and a writer that reads the archive in its own order. Nothing when it can't be read.
std::optional<ArchiveBookPlan> PlanSevenZipTarBook(const QString& archivePath, const QString& workDir,
                                                   const BookChooser& chooser, Messages& messages);

// A zip archive without a directory that can be used (a download cut short) planned the same way from
// its local headers, one after the other: the entries whose data can be passed over, data descriptors
// and stored entries included. One message says the archive is damaged and how many pages were found;
// "Zip failed" when none at all.
std::optional<ArchiveBookPlan> PlanZipByLocalHeaders(const QString& archivePath, const QString& workDir,
                                                     const BookChooser& chooser, Messages& messages);

// Extracts the book chosen inside the archive (`chooser` asked when the folders branch) into `workDir`
// (empty, ending in "/"). True when the book's pages are there; `messages` gets what went wrong on the
// way, in order.
bool ExtractSevenZipTarBook(const QString& archivePath, const QString& workDir, const BookChooser& chooser,
                            Messages& messages);
