// SPDX-License-Identifier: GPL-3.0-or-later
// Books opened by the program resume at their page through the history; the last session's book keeps
// its own page; a history that can't be used is said once and reading goes on.

#include "app/BookHistory.h"
#include "app/CommandTable.h"
#include "app/OpenBooks.h"
#include "app/MainWindow.h"
#include "app/PageTurn.h"
#include "app/PopupMenu.h"
#include "app/PresentPage.h"
#include "app/RecentShelf.h"
#include "support/TestState.h"
#include "view/PageView.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {
void useHistory(AppState& state, const ScratchDir& data)
{
    UseDefaultSettings(state);
    state.settings.preloadnextpage = false;
    state.paths.historyFile = data.file("bullevista/history.sqlite");
    OpenHistory(state);
}
} // namespace

TEST(BookHistory, EachBookResumesAtItsPageUnlessTurnedOffAndTheLastSessionsBookKeepsItsOwn)
{
    AppState state;
    ScratchDir data, one, two;
    useHistory(state, data);
    ASSERT_TRUE(state.history.store);
    WriteGreyPages(one, 5, QSize(8, 8), 1);
    WriteGreyPages(two, 3, QSize(8, 8), 1);

    OpenBookAt(state, one.path());
    EXPECT_EQ(state.book.pageIndex, 0);
    TurnToPage(state, 3, true);
    OpenBookAt(state, two.path());
    EXPECT_EQ(state.book.pageIndex, 0);
    OpenBookAt(state, one.path());
    EXPECT_EQ(state.book.pageIndex, 3);
    EXPECT_FALSE(state.book.resumePending);
    const QString onePath = IdentifyBook(one.path()).path;
    const std::vector<HistoryRow> recent = RecentBooks(state, 10);
    ASSERT_EQ(recent.size(), 2u);
    const HistoryRow& oneRow = recent[0].path == onePath ? recent[0] : recent[1];
    EXPECT_EQ(std::pair(oneRow.path, oneRow.pageCount), std::pair(onePath, 5));

    state.settings.resumebooks = false;
    OpenBookAt(state, one.path());
    EXPECT_EQ(state.book.pageIndex, 0);

    state.settings.resumebooks = true;
    state.settings.previousbook = one.path();
    state.settings.previouspage = 1;
    OpenLastBook(state);
    EXPECT_EQ(state.book.pageIndex, 1);

    TurnToPage(state, 4, true);
    CloseHistory(state);
    HistoryStore store;
    ASSERT_TRUE(store.open(state.paths.historyFile));
    bool failed = false;
    EXPECT_EQ(store.find(onePath, failed)->lastPage, 4);
}

TEST(BookHistory, AnUnusableHistoryIsSaidOnceAndBooksStillOpen)
{
    AppState state;
    ScratchDir data, book;
    data.write("bullevista/history.sqlite", NoiseBytes(4096));
    WriteGreyPages(book, 3, QSize(8, 8), 1);
    MessageRecorder messages;
    useHistory(state, data);
    EXPECT_FALSE(state.history.store);
    OpenBookAt(state, book.path());
    TurnToPage(state, 2, true);
    EXPECT_EQ(state.book.pageIndex, 2);
    EXPECT_TRUE(RecentBooks(state, 10).empty());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.texts()[0].startsWith("The reading history can't be used"));
}

TEST(RecentBooks, TheOpenMenuAndTheShelfListThemWithTheirPageAndOpenThem)
{
    AppState state;
    ScratchDir data, one, two;
    useHistory(state, data);
    MainWindow window(state);
    state.windows = {&window, window.pageView(), window.shelfView()};
    ConnectRecentShelf(state);
    WriteGreyPages(one, 3, QSize(8, 8), 1);
    WriteGreyPages(two, 2, QSize(8, 8), 1);
    OpenBookAt(state, one.path());
    TurnToPage(state, 1, true);
    QTest::qWait(5); // read later, listed first
    OpenBookAt(state, two.path());

    QStringList items;
    const std::unique_ptr<QMenu> menu = BuildOpenMenu(state, nullptr);
    for (const QAction* action : menu->actions())
        if (action->data().toInt() >= kRecentBookFirstId)
            items << action->text();
    const QString oneName = QDir(one.path()).dirName(), twoName = QDir(two.path()).dirName();
    EXPECT_EQ(items, (QStringList{twoName + "\t1/2", oneName + "\t2/3"}));
    const auto choose = [&state](int item) {
        const MenuTracker previous = SetMenuTracker([item](QMenu&, const QPoint&) { return kRecentBookFirstId + item; });
        RunMenu(state, BuildOpenMenu(state, nullptr), QPoint());
        SetMenuTracker(previous);
    };
    choose(1);
    EXPECT_EQ(std::pair(state.book.BookPath, state.book.pageIndex), std::pair(one.path(), 1));

    MessageRecorder messages;
    const QString twoPath = IdentifyBook(two.path()).path;
    QDir(two.path()).removeRecursively();
    choose(1);
    EXPECT_EQ(messages.texts(), QStringList{"This book can't be found:\n" + twoPath});
    EXPECT_EQ(state.book.BookPath, one.path());

    // With no book open, the shelf shows them; Enter opens the one selected.
    CloseBook(state.book);
    ShowNoBook(state);
    ShelfView& shelf = *window.shelfView();
    EXPECT_FALSE(shelf.isHidden());
    EXPECT_EQ(shelf.bookCount(), 2);
    EXPECT_TRUE(shelf.takeKey(Qt::Key_Right) && shelf.takeKey(Qt::Key_Return));
    EXPECT_FALSE(shelf.takeKey(Qt::Key_X));
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(state.book.BookPath, state.book.pageIndex), std::pair(one.path(), 1));
    EXPECT_TRUE(shelf.isHidden());
}

TEST(ResumePage, OnlyTheSameFileResumesAndOnlyWhenWanted)
{
    const BookIdentity book{"/books/a.cbz", 1234, 1700000000};
    const HistoryRow row{.path = "/books/a.cbz", .size = 1234, .mtime = 1700000000, .lastPage = 11};
    EXPECT_EQ(ResumePageFrom(row, book, true), 11);
    EXPECT_EQ(ResumePageFrom(row, book, false), std::nullopt);
    EXPECT_EQ(ResumePageFrom(std::nullopt, book, true), std::nullopt);
    EXPECT_EQ(ResumePageFrom(row, {"/books/a.cbz", 999, 1700000000}, true), std::nullopt); // replaced
    EXPECT_EQ(ResumePageFrom(row, {"/books/a.cbz", 1234, 1700000001}, true), std::nullopt);
}
