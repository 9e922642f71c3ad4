// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that open a dialog over the open book: "jump", "info" and "option".

#include "app/AppState.h"
#include "app/CommandTable.h"
#include "app/OpenDialogs.h"
#include "app/PageOverviewCommand.h"
#include "app/PageTurn.h"
#include "app/PreferencesWindow.h"
#include "dialogs/JumpDialog.h"

void JumpToChosenPage(AppState& state)
{
    BookState& book = state.book;
    if (!book.bookLoaded)
        return;
    QWidget* owner = state.windows.main;
    const int pageIndex = book.pageIndex, pageCount = int(book.PageList.count());
    const auto& replaced = CurrentCommandDialogs().jumpPage;
    int chosen = 0;
    if (replaced) {
        chosen = replaced(owner, pageIndex, pageCount);
    } else {
        // The thumbnails of the pages under the slider, made while the dialog is open.
        ThumbnailWorker worker(ThumbnailJobOf(state), {});
        chosen = RunJumpDialog(owner, pageIndex, pageCount,
                               {[&worker](int page) { return worker.thumbnail(page); },
                                [&worker](int page) { worker.setFocus(page); }});
    }
    if (chosen <= 0 || chosen > book.PageList.count())
        return;
    TurnToPage(state, chosen - 1, false);
}

void ShowBookInfo(AppState& state)
{
    const BookState& book = state.book;
    if (book.extraction)
        book.extraction->waitForNamed("info.bdi"); // a small file, moved to the front
    const QString folder = book.BookDir.isEmpty() ? state.paths.WorkDir : book.BookDir;
    const BookInfo info{book.BookPath, book.pageIndex, int(book.PageList.count()), folder + QStringLiteral("info.bdi")};
    if (const auto& replaced = CurrentCommandDialogs().showInfo)
        replaced(state.windows.main, info);
    else
        RunInfoDialog(state.windows.main, info);
}

void ShowPreferences(AppState& state)
{
    if (const auto& replaced = CurrentCommandDialogs().showPreferences)
        replaced(state);
    else
        OpenPreferences(state);
}
