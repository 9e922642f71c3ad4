// SPDX-License-Identifier: GPL-3.0-or-later
// The page overview as the reader uses it: G opens it over the page, the thumbnails arrive and page 1's
// is kept as the book's cover, arrows and Enter turn to a page, Esc leaves, a new book closes it.

#include "app/AccelTable.h"
#include "app/ExtractionProgress.h"
#include "app/MainWindow.h"
#include "app/OpenBooks.h"
#include "common/BookCacheFolder.h"
#include "support/TestState.h"
#include "view/PageOverview.h"
#include "view/PageView.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

TEST(PageOverview, OpensTurnsLeavesAndClosesWithTheBook)
{
    ScratchDir dir;
    AppState state;
    UseDefaultSettings(state);
    state.settings.preloadnextpage = false;
    state.settings.norm = false;
    state.paths.thumbnailRoot = dir.file("thumbs/");
    state.accelTable = BuildAccelTable(state.settings);
    MainWindow window(state);
    state.windows = {&window, window.pageView(), window.shelfView()};
    OpenGreyBook(state, dir, 12, QSize(40, 30), 10, 2);
    state.book.BookPath = dir.path(); // a folder book is known by its folder
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(window.pageView(), Qt::Key_G);
    ASSERT_TRUE(state.overview.widget && state.overview.worker);
    PageOverview* overview = state.overview.widget;
    EXPECT_EQ(overview->selection(), 2) << "the page being read";
    QElapsedTimer clock;
    clock.start();
    while (!state.overview.worker->finished() && clock.elapsed() < 10000)
        QTest::qWait(10);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(qRed(state.overview.worker->thumbnail(i).pixel(1, 1)), 10 * i) << i;
    const QString folder = BookThumbnailFolder(state.paths.thumbnailRoot, QFileInfo(state.book.BookPath).canonicalFilePath());
    EXPECT_TRUE(QFileInfo::exists(folder + "cover.png"));

    // Keys go to the grid, not to the accelerators (X would turn a page).
    QTest::keyClick(overview, Qt::Key_X);
    QTest::keyClick(overview, Qt::Key_Right);
    QTest::keyClick(overview, Qt::Key_Right);
    EXPECT_EQ(state.book.pageIndex, 2);
    QTest::keyClick(overview, Qt::Key_Return);
    EXPECT_EQ(state.book.pageIndex, 4);
    EXPECT_FALSE(state.overview.widget || state.overview.worker);

    QTest::keyClick(window.pageView(), Qt::Key_G);
    ASSERT_TRUE(state.overview.widget);
    QTest::keyClick(state.overview.widget, Qt::Key_Escape);
    EXPECT_FALSE(state.overview.widget);
    EXPECT_EQ(state.book.pageIndex, 4);

    // A book change (the extraction stopped before anything else) closes it.
    QTest::keyClick(window.pageView(), Qt::Key_G);
    ASSERT_TRUE(state.overview.widget);
    StopExtraction(state);
    EXPECT_FALSE(state.overview.widget || state.overview.worker);
}

// A book opened gets page 1's thumbnail as its cover, in the background and once.
TEST(PageOverview, ABookOpenedWithoutACoverGetsOneInTheBackground)
{
    ScratchDir data, book;
    AppState state;
    UseDefaultSettings(state);
    state.settings.preloadnextpage = false;
    state.settings.norm = false;
    state.paths.thumbnailRoot = data.file("thumbs/");
    WriteGreyPages(book, 3, QSize(40, 30), 100);
    OpenBookAt(state, book.path());
    ASSERT_TRUE(state.book.bookLoaded);
    ASSERT_TRUE(state.overview.cover);
    QTRY_VERIFY_WITH_TIMEOUT(state.overview.cover->finished(), 5000);
    const QString cover = BookThumbnailFolder(state.paths.thumbnailRoot, QFileInfo(book.path()).canonicalFilePath())
        + "cover.png";
    const QImage made(cover);
    ASSERT_FALSE(made.isNull());
    EXPECT_EQ(qRed(made.pixel(1, 1)), 0) << "page 1";

    OpenBookAt(state, book.path());
    EXPECT_FALSE(state.overview.cover);
}
