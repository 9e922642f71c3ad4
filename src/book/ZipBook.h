#pragma once
// Zip-family books (zip, cbz, bdz): the chosen book's pages extracted flat into the scratch folder.

#include <QString>

// Extracts the book chosen inside the archive into `workDir` (empty, ending in "/"). Returns 0 when the
// walk completed, non-zero on failure; shows its own messages.
int ExtractZipBook(const QString& archivePath, const QString& workDir);
