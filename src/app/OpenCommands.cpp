// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that open a book: a file or a folder chosen in a dialog, or the book of the last session.

#include "app/AppState.h"
#include "app/CommandTable.h"
#include "app/ExtractionProgress.h"
#include "app/OpenBooks.h"
#include "app/OpenDialogs.h"
#include "app/PresentPage.h"
#include "app/WorkDir.h"
#include "book/Preload.h"
#include "common/Paths.h"
#include "common/ShowMessage.h"
#include "view/PageView.h"

#include <QFileInfo>

namespace {
void showLoading(AppState& state)
{
    ShowMainText(state, QStringLiteral("loading"));
    // Painted now: the book opens on this thread right after, and an archive can take a while.
    if (state.windows.main)
        state.windows.main->repaint();
    if (state.windows.pageView)
        state.windows.pageView->update();
}
} // namespace

void OpenChosenFile(AppState& state)
{
    const QString chosen = ChooseFileToOpen(state.windows.main, state.settings.currentdir);
    if (chosen.isEmpty() || RefuseUnopenableBook(chosen))
        return; // the book open now stays
    BookState& book = state.book;
    CancelPreload(state.preload, book);
    book.bookLoaded = false;
    book.current.reset();
    state.settings.currentdir = CurrentDirAfterOpen(chosen).left(paths::kMaxPathChars);
    showLoading(state);
    OpenBookFile(state, chosen.left(paths::kMaxPathChars));
}

void OpenChosenFolder(AppState& state)
{
    const QString chosen = ChooseFolderToOpen(state.windows.main, state.settings.currentdirdir);
    if (chosen.isEmpty())
        return;
    BookState& book = state.book;
    CancelPreload(state.preload, book);
    StopExtraction(state); // nothing may still be writing into WorkDir while it is emptied
    book.BookDir = paths::withTrailingSeparator(chosen).left(paths::kMaxPathChars);
    state.settings.currentdirdir = book.BookDir;
    book.bookLoaded = false;
    book.current.reset();
    EmptyWorkDir(state.paths);
    book.BookPath.clear();
    showLoading(state);
    OpenBookDir(state);
}

void OpenLastBook(AppState& state)
{
    const QString previous = state.settings.previousbook;
    if (previous.isEmpty())
        return;
    if (!QFileInfo::exists(previous)) {
        ShowMessage(QStringLiteral("Your previous file can't be found"), QStringLiteral("Error"));
        return;
    }
    CancelPreload(state.preload, state.book);
    state.book.resumePending = true;
    OpenBookAt(state, previous);
    // A resume that didn't reach a shown page (the book failed to open) is dropped, so the next book
    // opened doesn't start at the old page and position.
    state.book.resumePending = false;
}

void OpenRecentBook(AppState& state, const QString& bookPath)
{
    if (!QFileInfo::exists(bookPath)) {
        ShowMessage(QStringLiteral("This book can't be found:\n") + bookPath, QStringLiteral("Error"));
        return;
    }
    CancelPreload(state.preload, state.book);
    OpenBookAt(state, bookPath);
}
