// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the archive code asks the reader to pick a book: a function the caller passes in with the opening.
// The program passes its book-choice dialog, tests pass their own, and a tool without a window passes
// none: the whole archive is the book.

#include "book/archive/BookTree.h"

#include <QStringList>
#include <functional>

// Returns the chosen folder's names from the top of the tree down; empty means everything.
using BookChooser = std::function<QStringList(const BookTree& tree, ArchiveFamily family)>;

// Asks `chooser`; without one, everything.
QStringList ChooseBookFolder(const BookChooser& chooser, const BookTree& tree, ArchiveFamily family);
