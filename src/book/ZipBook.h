#pragma once
// Zip-family books (zip, cbz, bdz): the chosen book's pages extracted flat into the scratch folder.

#include "book/ArchiveBook.h"

#include <QString>
#include <optional>

// Asks the reader for the book when the archive's folders branch and plans it from the central
// directory. Nothing when the archive is refused or can't be read (the messages are shown).
std::optional<ArchiveBookPlan> PlanZipArchiveBook(const QString& archivePath, const QString& workDir);

// Extracts the book chosen inside the archive into `workDir` (empty, ending in "/"). Returns 0 when the
// walk completed, non-zero on failure; shows its own messages.
int ExtractZipBook(const QString& archivePath, const QString& workDir);
