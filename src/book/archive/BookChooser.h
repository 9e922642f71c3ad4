#pragma once
// Where the archive code asks the reader to pick a book. The program shows the BookChoiceDialog; tests
// and tools without a window install a chooser of their own.

#include "book/archive/BookTree.h"

#include <QStringList>
#include <functional>

// Returns the chosen folder's names from the top of the tree down; empty means everything.
using BookChooser = std::function<QStringList(const BookTree& tree, ArchiveFamily family)>;

// Replaces the chooser and returns the previous one. An empty chooser restores the dialog.
BookChooser SetBookChooser(BookChooser chooser);

// Asks the current chooser.
QStringList ChooseBookFolder(const BookTree& tree, ArchiveFamily family);
