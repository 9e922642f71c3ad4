// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder tree of an archive, from which the reader picks one book when the folders branch.

#include <QString>
#include <QStringList>
#include <vector>

enum class ArchiveFamily { Zip, Rar };

struct BookTreeItem {
    QString text;
    std::vector<BookTreeItem> children; // in sorted order
};

struct BookTree {
    std::vector<BookTreeItem> top; // in sorted order
};

// Adds the folder components of `path` to the tree: every "/" or "\" ends one component, text after the
// last one is ignored. Names reach here already folded (ArchiveNameText). One item per distinct name
// under one parent, compared exactly; a new item goes in sorted order among its siblings.
void InsertFolderPath(BookTree& tree, const QString& path);

// Zip listing: every separator of an entry name, scanned from the end, inserts the name up to and
// including it ('a/b/p.jpg' inserts 'a/b/' and 'a/').
void InsertEntryFolders(BookTree& tree, const QString& entryName);

// True when the reader must choose: somewhere down the chain of first items an item has a sibling. An
// empty tree, or a single chain of folders, needs no choice and the dialog closes before it is seen.
bool FoldersBranch(const BookTree& tree);

// The siblings order: alphabetical without regard to case, as the reader sees them listed; names that
// differ only in case keep the order they were found in.
bool FolderNameLess(const QString& a, const QString& b);

// The chosen folder as the archive family compares entry names with it: zip 'Vol1/Chapter2/', rar
// 'Vol1\Chapter2'. No folders gives the empty choice (everything).
QString BookChoiceText(const QStringList& folders, ArchiveFamily family);
