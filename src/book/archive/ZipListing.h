#pragma once
// The folder tree of a zip-family archive, listed before the reader chooses a book.

#include "book/archive/BookTree.h"

#include <QString>

// Lists every entry's folders. Shows "Zip failed" when the archive can't be opened and the global-info
// message when its entry count can't be read; both leave the tree empty.
BookTree ListZipFolders(const QString& archivePath);
