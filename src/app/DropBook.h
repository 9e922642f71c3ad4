// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book dropped on the main window: one local file or folder.

#include <QList>
#include <QStringList>
#include <QUrl>

struct AppState;

// The local paths of the dropped items; empty when nothing was dropped or anything dropped is not a
// local file (such a drop is refused as a whole).
QStringList DroppedPaths(const QList<QUrl>& urls);

// Opens the one dropped path: a folder (or a path that can't be read) as a directory book, a file through
// a book file. Anything but exactly one path shows "Only drag one file at once" and keeps the book open.
void OpenDroppedBook(AppState& state, const QStringList& paths);
