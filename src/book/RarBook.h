// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rar-family books (rar, cbr): the chosen book's pages extracted flat into the scratch folder.

#include "book/ArchiveBook.h"
#include "book/archive/BookChooser.h"

#include <QString>
#include <optional>

// Asks the reader for the book (`chooser`) when the archive's folders branch and plans it from the
// headers: each bare name once, from the last entry that provides it. Nothing when the archive can't be
// opened. The listing's messages go to `messages`.
std::optional<ArchiveBookPlan> PlanRarArchiveBook(const QString& archivePath, const QString& workDir,
                                                  const BookChooser& chooser, Messages& messages);

// Extracts the book chosen inside the archive into `workDir` (empty, ending in "/"). True when the book's
// files are there; `messages` gets what went wrong on the way, in order.
bool ExtractRarBook(const QString& archivePath, const QString& workDir, const BookChooser& chooser, Messages& messages);
