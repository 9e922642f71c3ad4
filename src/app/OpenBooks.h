// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening books for the commands, the command line and drops. The book layer opens and decodes; here the
// preload is stopped first, WorkDir emptied for an archive, and the result shown with the preload armed.

#include "book/OpenBook.h"

#include <QString>

struct AppState;

// The box a PDF book's pages are rendered to fit: the page view in device pixels, its width alone
// when the stretched view fits the width, grown by the zoom in the normal view; turned back for a page
// turned by a quarter.
QSize PdfPageBox(const AppState& state);

// How the first page is decoded, from the settings and the view. A PDF's page box is the opener's to
// set, once the book's history has given back its rotation.
BookOpening BookOpeningOf(AppState& state);

// Opens the directory in BookDir as a book (BookPath as OpenDirectoryBook takes it).
void OpenBookDir(AppState& state);

// Opens a book file: an archive, or an image through its folder.
void OpenBookFile(AppState& state, const QString& path);

// Shows the message naming `path` when it can't be a book (missing, unreadable, of no book kind) and
// says so; the caller then leaves the book open now as it is.
bool RefuseUnopenableBook(const QString& path);

// Opens whatever `path` names: a folder as a directory book, anything else as a book file. The book
// open before is closed first; a path that can't be a book is refused with a message and closes nothing.
void OpenBookAt(AppState& state, const QString& path);
