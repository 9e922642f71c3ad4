// Turning in the smooth fit-page view: a page decoded, or preloaded, at the size the view shows it is
// smooth at once; zoom and the other views get the full page back.

#include "app/MainWindow.h"
#include "app/PageTurn.h"
#include "app/ViewCommands.h"
#include "book/Preload.h"
#include "image/FittedSize.h"
#include "support/TestState.h"
#include "view/PageView.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr QSize kPage(2400, 1800); // larger than the view

int greyOf(const PageImage& page)
{
    return page.isNull() ? -1 : qRed(page.pixels.pixel(0, 0));
}

// A shown main window in the smooth fit-page view, turning by hand (no preload unless asked).
class QuickTurn : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        state.settings.norm = false; // pages are compared by their pixels
        state.settings.preloadnextpage = false;
        state.settings.coveralone = false;
        window = std::make_unique<MainWindow>(state);
        state.windows = {window.get(), window->pageView(), window->shelfView()};
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        view = window->pageView();
    }
    ScratchDir dir;
    AppState state;
    std::unique_ptr<MainWindow> window;
    PageView* view = nullptr;
};

TEST_F(QuickTurn, FitPageTurnsShowThePageAtTheViewsSizeAndZoomGetsTheFullPage)
{
    OpenGreyBook(state, dir, 4, kPage, 10);
    state.view.stretched = true;
    const QSize fitted = FittedSize(kPage, view->viewPixels());
    ASSERT_LT(fitted.width(), kPage.width());

    // Not preloaded: decoded fitted, and already its own smooth copy.
    TurnToPage(state, 1, true);
    EXPECT_EQ(greyOf(state.book.current), 10);
    EXPECT_EQ(state.book.current.pixels.size(), fitted);
    EXPECT_TRUE(state.book.current.reduced);
    EXPECT_EQ(view->scaledPageCache().size(), fitted);
    EXPECT_FALSE(view->cacheTimerActive());
    EXPECT_FALSE(state.view.rerenderPending);

    // Preloaded for this view: taken as it is, smooth at once.
    PreloadNextPage(state);
    state.preload.worker.waitIdle();
    QFile::remove(dir.file(state.book.PageList.item(2))); // only the preloaded copy can show it
    TurnToPage(state, 2, true);
    EXPECT_EQ(greyOf(state.book.current), 20);
    EXPECT_EQ(state.book.current.pixels.size(), fitted);
    EXPECT_FALSE(view->cacheTimerActive());

    // Preloaded for another view size: not taken.
    PreloadNextPage(state);
    state.preload.worker.waitIdle();
    state.book.pageIndex = 3;
    EXPECT_FALSE(TakePreloadedPage(state.preload, state.book, false, fitted / 2));
    state.book.pageIndex = 2;

    // A larger view gets the full page before it paints, and so does the normal view (zoom).
    TurnToPage(state, 3, true);
    ASSERT_TRUE(state.book.current.reduced);
    view->resize(view->size() + QSize(40, 40));
    EXPECT_EQ(state.book.current.pixels.size(), kPage);
    EXPECT_FALSE(state.book.current.reduced);
    EXPECT_EQ(greyOf(state.book.current), 30);
    TurnToPage(state, 1, false);
    ASSERT_TRUE(state.book.current.reduced);
    ToggleStretchedView(state);
    EXPECT_EQ(state.book.current.pixels.size(), kPage);
    EXPECT_EQ(greyOf(state.book.current), 10);

    // Without the smooth scaling the stretched view shows the full page as before.
    state.view.stretched = true;
    state.settings.halftone = false;
    TurnToPage(state, 0, false);
    EXPECT_EQ(state.book.current.pixels.size(), kPage);
}

TEST_F(QuickTurn, PairsAreJoinedAtTheViewsSizeAndZoomGetsTheWholePair)
{
    const QSize page = kPage.transposed(); // narrow pages pair
    OpenGreyBook(state, dir, 4, page, 10);
    state.view.stretched = true;
    state.view.twoPages = true;
    const QSize whole(2 * page.width(), page.height());
    const QSize fitted = FittedSize(whole, view->viewPixels());
    // Each page is reduced before the pair is, so a side may come out a pixel short.
    const auto fittedForTheView = [&] {
        const QSize size = state.book.current.pixels.size();
        return std::abs(size.width() - fitted.width()) <= 1 && std::abs(size.height() - fitted.height()) <= 1;
    };

    TurnToPage(state, 0, false);
    EXPECT_EQ(std::tuple(state.view.pagesShown, state.book.current.reduced), std::tuple(2, true));
    EXPECT_TRUE(fittedForTheView());
    EXPECT_FALSE(view->cacheTimerActive());

    // The next pair preloaded for this view is taken as it is.
    PreloadNextPage(state);
    state.preload.worker.waitIdle();
    for (int index : {2, 3})
        QFile::remove(dir.file(state.book.PageList.item(index)));
    TurnForward(state);
    EXPECT_EQ(std::tuple(state.book.pageIndex, state.view.pagesShown, greyOf(state.book.current)),
              std::tuple(2, 2, 20));
    EXPECT_TRUE(fittedForTheView());

    // Zoom needs the whole pair.
    TurnToPage(state, 0, false);
    ToggleStretchedView(state);
    EXPECT_EQ(std::tuple(state.view.pagesShown, state.book.current.pixels.size(), state.book.current.reduced),
              std::tuple(2, whole, false));
}

} // namespace
