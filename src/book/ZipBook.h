// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Zip-family books (zip, cbz, bdz): the chosen book's pages extracted flat into the scratch folder.

#include "book/ArchiveBook.h"
#include "book/archive/BookChooser.h"

#include <QString>
#include <optional>

// Asks the reader for the book (`chooser`) when the archive's folders branch and plans it from the
// central directory. Nothing when the archive is refused or can't be read; `messages` says why.
std::optional<ArchiveBookPlan> PlanZipArchiveBook(const QString& archivePath, const QString& workDir,
                                                  const BookChooser& chooser, Messages& messages);

// Extracts the book chosen inside the archive into `workDir` (empty, ending in "/"). True when the walk
// completed; `messages` gets what went wrong on the way, in order.
bool ExtractZipBook(const QString& archivePath, const QString& workDir, const BookChooser& chooser, Messages& messages);
