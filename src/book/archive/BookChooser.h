#pragma once
// Where the archive code asks the reader to pick a book. The program installs its book-choice dialog at
// start-up; tests install a chooser of their own, and a tool without a window takes the whole archive.

#include "book/archive/BookTree.h"

#include <QStringList>
#include <functional>

// Returns the chosen folder's names from the top of the tree down; empty means everything.
using BookChooser = std::function<QStringList(const BookTree& tree, ArchiveFamily family)>;

// Replaces the chooser and returns the previous one. With none installed the whole archive is the book.
BookChooser SetBookChooser(BookChooser chooser);

// Asks the current chooser.
QStringList ChooseBookFolder(const BookTree& tree, ArchiveFamily family);
