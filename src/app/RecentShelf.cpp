// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecentShelf.h"

#include "app/AppState.h"
#include "app/BookCover.h"
#include "app/BookHistory.h"
#include "app/CommandTable.h"
#include "app/Commands.h"
#include "app/PopupMenu.h"
#include "view/ShelfView.h"

namespace {
// Run once the click or key that asked is over: what they run may open dialogs and replace the book.
void later(AppState& state, std::function<void()> run)
{
    QMetaObject::invokeMethod(state.windows.shelf.data(), std::move(run), Qt::QueuedConnection);
}
} // namespace

void ConnectRecentShelf(AppState& state)
{
    ShelfView* shelf = state.windows.shelf;
    if (!shelf)
        return;
    shelf->openBook = [&state](int index) {
        later(state, [&state, index] {
            ShelfView* shelf = state.windows.shelf;
            if (shelf && index < shelf->bookCount())
                OpenRecentBook(state, shelf->books()[std::size_t(index)].path);
        });
    };
    shelf->chooseFile = [&state] { later(state, [&state] { RunCommand(state, Command::Open); }); };
    shelf->chooseFolder = [&state] { later(state, [&state] { RunCommand(state, Command::OpenDir); }); };
}

void UpdateRecentShelf(AppState& state)
{
    ShelfView* shelf = state.windows.shelf;
    if (!shelf)
        return;
    if (state.book.bookLoaded) {
        HideRecentShelf(state);
        return;
    }
    std::vector<ShelfBook> books;
    for (const HistoryRow& row : RecentBooks(state, kRecentBooksListed))
        books.push_back({BookCoverImage(state.paths.thumbnailRoot, row.path, kShelfCover), RecentBookLabel(row.path),
                         RecentBookPageText(row), row.path});
    shelf->setBooks(std::move(books));
    shelf->show();
}

void HideRecentShelf(AppState& state)
{
    if (ShelfView* shelf = state.windows.shelf; shelf && !shelf->isHidden())
        shelf->hide();
}
