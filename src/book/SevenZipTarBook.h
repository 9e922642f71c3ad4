#pragma once
// 7z and tar books (cb7, 7z, cbt, tar), read through libarchive under the zip family's rules: the
// reader picks one book when the folders branch, pages are written flat under their bare names, the
// later entry of a name wins, macOS metadata and unsafe names are skipped, and the disk budget and the
// unpacked-size cap hold. The messages are the zip family's.

#include "book/archive/BookChooser.h"
#include "common/Message.h"

#include <QString>

// Extracts the book chosen inside the archive (`chooser` asked when the folders branch) into `workDir`
// (empty, ending in "/"). True when the book's pages are there; `messages` gets what went wrong on the
// way, in order.
bool ExtractSevenZipTarBook(const QString& archivePath, const QString& workDir, const BookChooser& chooser,
                            Messages& messages);
