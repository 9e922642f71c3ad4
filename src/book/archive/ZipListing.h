// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder tree of a zip-family archive, listed before the reader chooses a book.

#include "book/archive/BookTree.h"
#include "common/Message.h"

#include <QString>

// Lists every entry's folders. Adds "Zip failed" to `messages` when the archive can't be opened and the
// global-info message when its entry count can't be read; both leave the tree empty.
BookTree ListZipFolders(const QString& archivePath, Messages& messages);
