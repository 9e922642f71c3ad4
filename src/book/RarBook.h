#pragma once
// Rar-family books (rar, cbr): the chosen book's pages extracted flat into the scratch folder.

#include "book/ArchiveBook.h"

#include <QString>
#include <optional>

// Asks the reader for the book when the archive's folders branch and plans it from the headers: each
// bare name once, from the last entry that provides it. Nothing when the archive can't be opened.
std::optional<ArchiveBookPlan> PlanRarArchiveBook(const QString& archivePath, const QString& workDir);

// Extracts the book chosen inside the archive into `workDir` (empty, ending in "/"). Returns 0 when the
// book's files are there, non-zero on failure; shows its own messages.
int ExtractRarBook(const QString& archivePath, const QString& workDir);
