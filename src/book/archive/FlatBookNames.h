// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names an archive book's files get in WorkDir, where every file lies side by side. Chapters often
// restart their numbering ('Ch1/01.jpg', 'Ch2/01.jpg'), so a page's bare name is not enough to keep it.

#include "book/PageList.h"

#include <QByteArray>
#include <QString>
#include <vector>

// `paths` are the entries to write, in archive order, as the program compares them (folded text, "/" or
// "\" between folders), each with a safe bare name. Gives each its file name in WorkDir, empty for an
// entry that is not written:
// - the same path twice (an update appended to the archive): the later entry only;
// - a page's bare name that only one path has: that bare name, so a book of one folder keeps its names;
// - a page's bare name that several folders have: each page named after its folders as well
//   ('Ch1_01.jpg', 'Ch2_01.jpg'), never the name of another file;
// - any other file (an info.bdi): its bare name, from the last entry that has it.
std::vector<QByteArray> FlatBookNames(const std::vector<QString>& paths);

// Reading order of two paths inside a book: folder by folder, each component compared as page names
// are (digit runs as numbers first in the natural order), so pages of one folder keep the order of their
// names. Negative, zero or positive.
int CompareBookPaths(const QString& a, const QString& b, PageOrder order = PageOrder::Bytes);
