#pragma once
// Rar-family books (rar, cbr): the chosen book's pages extracted flat into the scratch folder.

#include <QString>

// Extracts the book chosen inside the archive into `workDir` (empty, ending in "/"). Returns 0 when the
// book's files are there, non-zero on failure; shows its own messages.
int ExtractRarBook(const QString& archivePath, const QString& workDir);
