// SPDX-License-Identifier: GPL-3.0-or-later
// A PDF book in a real window: its pages are made again when the view grows or the zoom enlarges them,
// the page shown first, and the old picture stays on screen until the new one is ready; the overview
// gets the thumbnails of pages far from the one read.

#include "app/AccelTable.h"
#include "app/ExtractionProgress.h"
#include "app/MainWindow.h"
#include "app/OpenBooks.h"
#include "app/PageTurn.h"
#include "app/ViewCommands.h"
#include "app/WorkDir.h"
#include "support/TestState.h"
#include "view/PageOverview.h"
#include "view/PageView.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {
bool waitUntil(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000)
        QTest::qWait(5);
    return done();
}
} // namespace

// A shown 500x400 main window with a scratch folder, ready for a PDF book.
class PdfView : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        state.settings.preloadnextpage = false;
        state.settings.norm = false;
        state.paths.thumbnailRoot = dir.file("thumbs/");
        state.accelTable = BuildAccelTable(state.settings);
        std::mt19937 random(5);
        ASSERT_TRUE(CreateWorkDir(state.paths, dir.path(), random));
        window = std::make_unique<MainWindow>(state);
        state.windows = {window.get(), window->pageView(), window->shelfView()};
        window->resize(500, 400);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        StopExtraction(state);
        RemoveWorkDir(state.paths);
    }
    ScratchDir dir;
    AppState state;
    std::unique_ptr<MainWindow> window;
};

TEST_F(PdfView, PagesAreMadeAgainWhenTheViewGrowsThePageShownFirst)
{
    state.view.stretched = true;
    OpenBookFile(state, WriteTestPdf(dir, QStringLiteral("book.pdf"), 3));
    ASSERT_TRUE(state.book.bookLoaded);
    const int madeHeight = state.book.current.pixels.height();
    EXPECT_NEAR(madeHeight, window->pageView()->viewPixels().height(), 1);
    TurnToPage(state, 2, true);
    ASSERT_TRUE(waitUntil([&] { return state.book.pageIndex == 2; }));

    // A small change keeps the pages; a larger view has them made again, the page shown replaced in place.
    window->resize(window->width() + 10, window->height() + 10);
    QTest::qWait(150);
    EXPECT_EQ(state.book.current.pixels.height(), madeHeight);
    window->resize(900, 800);
    const int wanted = window->pageView()->viewPixels().height();
    auto madeForNewView = [&] { return std::abs(state.book.current.pixels.height() - wanted) <= 1; };
    ASSERT_TRUE(waitUntil(madeForNewView));
    EXPECT_EQ(state.book.pageIndex, 2);
    TurnToPage(state, 1, false);
    ASSERT_TRUE(waitUntil([&] { return state.book.pageIndex == 1 && madeForNewView(); }));
}

TEST_F(PdfView, TheZoomHasThePageMadeAtItsSizeAndDrawnOneToOne)
{
    state.view.stretched = false;
    OpenBookFile(state, WriteTestPdf(dir, QStringLiteral("book.pdf"), 3));
    ASSERT_TRUE(state.book.bookLoaded);
    const QSize view = window->pageView()->viewPixels();
    const int fittedHeight = state.book.current.pixels.height();
    EXPECT_NEAR(fittedHeight, view.height(), 1); // 100 % is the page fitted to the view

    auto drawn = [&] {
        return LayoutPage(state.book.current.pixels.size(), view,
                          PageViewModeOf(state.book, state.view, state.settings), 0, 0);
    };
    SetZoom(state, 100);
    EXPECT_EQ(drawn().dest.height(), view.height()); // at once, the old picture enlarged
    ASSERT_TRUE(waitUntil([&] { return std::abs(state.book.current.pixels.height() - 2 * fittedHeight) <= 2; }));
    EXPECT_EQ(drawn().source.size(), drawn().dest.size());

    // Back at 100 %, the larger page is drawn fitted again, without being made again.
    SetZoom(state, 0);
    QTest::qWait(150);
    EXPECT_NEAR(drawn().dest.height(), fittedHeight, 2);
}

TEST_F(PdfView, APageTurnedByAQuarterIsMadeToFitOnceTurned)
{
    state.view.stretched = true;
    window->resize(900, 500);
    OpenBookFile(state, WriteTestPdf(dir, QStringLiteral("book.pdf"), 3));
    ASSERT_TRUE(state.book.bookLoaded);
    const QSize view = window->pageView()->viewPixels();
    ASSERT_GT(view.width(), view.height());
    QTest::qWait(150); // the view settled
    // Turned, the upright page made for the view would lie on its side as tall as it was wide.
    RotatePageRight(state);
    EXPECT_TRUE(waitUntil([&] { return std::abs(state.book.current.pixels.height() - view.height()) <= 1; }));
    EXPECT_GT(state.book.current.pixels.width(), state.book.current.pixels.height());
}

TEST_F(PdfView, TheOverviewGetsThumbnailsOfPagesFarFromTheOneRead)
{
    OpenBookFile(state, WriteTestPdf(dir, QStringLiteral("long.pdf"), 40)); // 42 pages
    ASSERT_EQ(state.book.PageList.count(), 42);

    QTest::keyClick(window->pageView(), Qt::Key_G);
    ASSERT_TRUE(state.overview.widget && state.overview.worker);
    QTest::keyClick(state.overview.widget, Qt::Key_End); // far beyond the pages made for reading
    EXPECT_TRUE(waitUntil([&] { return state.overview.worker->state(41) == ThumbState::Made; }));
    EXPECT_TRUE(waitUntil([&] { return state.overview.worker->state(41 - 8) == ThumbState::Made; }));
    QTest::keyClick(state.overview.widget, Qt::Key_Escape);
}
