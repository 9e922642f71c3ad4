// SPDX-License-Identifier: GPL-3.0-or-later
// The page view in an (offscreen) main window. Its picture, pixel by pixel: black around the page, the
// visible part of it, the offsets written back, fast or smooth zooming, and the scaled copy built once,
// after a resize drag, and never shown for another page. Its mouse input: the auto-scroll timer, the
// button gestures, the popup ending a press, and the wheel reaching the main window.

#include "view/PageView.h"

#include "app/AppHooks.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/PopupMenu.h"
#include "app/PresentPage.h"
#include "support/TestState.h"
#include "view/PageViewInput.h"
#include "view/SmoothScroll.h"

#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
// A 400 x 300 view's picture of `part` of a page shown 1:1 at `at`, black all around it.
QImage blackWith(const QImage& part, QPoint at)
{
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter(&picture).drawImage(at, part);
    return picture;
}

class PageViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        state.settings.wndwidth = 400; // the page view fills the window
        state.settings.wndheight = 300;
        window = std::make_unique<MainWindow>(state);
        view = window->pageView();
        state.windows = {window.get(), view, window->shelfView()};
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()) && view->size() == QSize(400, 300));
    }

    void showPage(const QImage& page)
    {
        state.book.current.pixels = page;
        PresentPage(state);
    }
    QImage picture() { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static void waitForTheCopy() { QTest::qWait(120); } // its timer runs 50 ms
    void press(Qt::MouseButton button) { QTest::mousePress(view, button, Qt::NoModifier, QPoint(50, 50)); }
    // Over the page view the wheel reaches the main window by propagation, which Qt gives only to
    // events from the window system; the tests hand the wheel to the main window.
    void wheel(int angleDelta)
    {
        QWheelEvent event(QPointF(50, 50), view->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, angleDelta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window.get(), &event);
    }

    AppState state;
    AppHooks hooks{state};
    std::unique_ptr<MainWindow> window;
    PageView* view = nullptr;
};
} // namespace

TEST_F(PageViewTest, FitPageShowsASmallPageOneToOneCentredFromThePageThenFromItsCopy)
{
    state.settings.startstretched = 1;
    showPage(CoordinateImage(100, 50));
    EXPECT_EQ(picture(), blackWith(CoordinateImage(100, 50), {150, 125})) << "straight from the page";
    waitForTheCopy();
    EXPECT_EQ(view->scaledPageCache().size(), QSize(100, 50));
    EXPECT_EQ(picture(), blackWith(CoordinateImage(100, 50), {150, 125})) << "from the scaled copy";
    // A new page arrives without anyone scheduling a rebuild: the copy of the old one is never shown.
    state.book.current.pixels = CoordinateImage(100, 50).mirrored(true, false);
    EXPECT_EQ(picture().pixel(150, 125), qRgb(99, 0, 0x80));
    state.book.current.reset(); // no page: all black, and no copy kept of what was shown
    EXPECT_TRUE(picture() == blackWith(QImage(), {}) && view->scaledPageCache().isNull());
}

TEST_F(PageViewTest, NormalViewShowsTheVisibleColumnsAndWritesTheClampsBack)
{
    state.book.resumePending = true; // the page "openlast" restores starts at the stored offsets
    state.settings.previousx = 40;   // the page is narrower than the view: no horizontal offset
    state.settings.previousy = 600;  // beyond the last position, 800 - 300
    QSignalSpy stops(view, &PageView::scrollReachedPageEnd);
    showPage(CoordinateImage(300, 800));
    EXPECT_EQ(picture(), blackWith(CoordinateImage(300, 800).copy(0, 500, 300, 300), {50, 0}));
    EXPECT_EQ(QPoint(state.book.scrollX, state.book.scrollY), QPoint(0, 500));
    EXPECT_EQ(stops.count(), 1);
}

TEST_F(PageViewTest, ZoomScalesFastUnlessHalftoneZoom)
{
    QImage page(2, 300, QImage::Format_RGB32); // a black and a white column, 4 x 600 on screen at x = 198
    page.fill(Qt::black);
    QPainter(&page).fillRect(1, 0, 1, 300, Qt::white);
    state.view.zoom = 100;
    showPage(page);
    EXPECT_EQ(qGray(picture().pixel(199, 10)), 0);
    state.settings.halftonezoom = true;
    EXPECT_GT(qGray(picture().pixel(199, 10)), 0) << "the columns blend where they meet";
}

TEST_F(PageViewTest, FitWidthShowsTheBandOfTheCopyAtTheOffset)
{
    state.settings.wstretched = true;
    state.settings.startstretched = 1;
    showPage(CoordinateImage(200, 600)); // 400 x 1200 when fitted, bands of 150 page rows
    waitForTheCopy();
    ASSERT_EQ(view->scaledPageCache().size(), QSize(400, 1200));
    state.book.scrollY = 450; // page row 450 is row 900 of the copy
    EXPECT_EQ(picture(), view->scaledPageCache().copy(0, 900, 400, 300));
}

TEST_F(PageViewTest, SizeChangesDropTheCopyAndRebuildItOnceAfterAResizeDrag)
{
    state.view.stretched = true;
    showPage(CoordinateImage(800, 600));
    waitForTheCopy();
    ASSERT_EQ(view->scaledPageCache().size(), QSize(400, 300));
    view->setResizeDragInProgress(true);
    view->resize(390, 300);
    view->resize(370, 300);
    EXPECT_TRUE(view->scaledPageCache().isNull() && state.view.rerenderPending);
    EXPECT_FALSE(view->cacheTimerActive()) << "no rebuild while the drag runs";
    view->setResizeDragInProgress(false);
    EXPECT_TRUE(view->cacheTimerActive());
    waitForTheCopy();
    EXPECT_EQ(view->scaledPageCache().size(), QSize(370, 277));
    view->resize(400, 300); // without a drag a size change schedules the rebuild itself
    EXPECT_TRUE(view->cacheTimerActive());
    waitForTheCopy();
    EXPECT_EQ(view->scaledPageCache().size(), QSize(400, 300));
}

TEST_F(PageViewTest, TheButtonsRunTheirGesturesAndThePopupEndsAPress)
{
    PageViewInput* input = view->findChild<PageViewInput*>();
    ASSERT_NE(input, nullptr);
    state.book.current.pixels = QImage(400, 4000, QImage::Format_RGB32);
    wheel(-120); // smooth scrolling starts
    press(Qt::LeftButton);
    EXPECT_TRUE(state.navigation.leftDown && !SmoothScrollRunning(state.navigation)) << "a press stops it";
    EXPECT_EQ(input->autoScrollTimer().interval(), 50);
    QTest::mouseMove(view, QPoint(60, 60));
    press(Qt::RightButton); // with the left button held: leftrightm 3, the stretched view
    EXPECT_TRUE(state.view.stretched);
    wheel(-120);
    state.settings.middlem = 3;
    press(Qt::MiddleButton); // the stretched view off again
    EXPECT_FALSE(state.view.stretched || SmoothScrollRunning(state.navigation)) << "as does any mouse action";
    int shown = 0;
    MenuTracker previous = SetMenuTracker([&](QMenu&, const QPoint&) { return ++shown, 0; });
    state.settings.leftrightm = 2;
    press(Qt::RightButton);
    EXPECT_FALSE(state.navigation.leftDown || input->autoScrollTimer().isActive()) << "the popup ends the press";
    press(Qt::RightButton); // the left button up: rightm, the popup again
    SetMenuTracker(std::move(previous));
    EXPECT_EQ(shown, 2) << "the popup both times";
    state.settings.dblleftm = 4;
    QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_TRUE(state.view.fullscreen);
}

TEST_F(PageViewTest, TheWheelZoomsTurnsPagesOrScrollsInWholeNotches)
{
    ScratchDir dir;
    OpenGreyBook(state, dir, 3, QSize(400, 4000), 1);
    state.settings.smoothscroll = false;
    // mousewheelact, the wheel's turn, then the zoom, the page and the offset
    for (const auto& [act, delta, zoom, page, scrollY] : {std::tuple{0, 120, 50, 0, 0},
                                                          {0, 240, 100, 0, 0},
                                                          {2, -120, 100, 1, 0},
                                                          {2, 120, 100, 0, 0},
                                                          {1, -240, 100, 0, 100},
                                                          {-5, 120, 100, 0, 50}}) {
        state.settings.mousewheelact = act;
        wheel(delta);
        EXPECT_EQ(std::tuple(state.view.zoom, state.book.pageIndex, state.book.scrollY),
                  std::tuple(zoom, page, scrollY));
    }
    wheel(-60);
    EXPECT_EQ(state.book.scrollY, 50) << "half a notch waits for the other half";
    wheel(-60);
    EXPECT_EQ(state.book.scrollY, 100);
}

TEST_F(PageViewTest, SmoothScrollingArrivesOrStopsWhereThePaintFindsThePageEnd)
{
    state.book.current.pixels = QImage(400, 4000, QImage::Format_RGB32);
    for (int i = 0; i < 3; ++i)
        wheel(-120);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !SmoothScrollRunning(state.navigation); }, 2000));
    EXPECT_EQ(state.book.scrollY, 150);
    state.settings.mousewheelval = 999;
    state.book.scrollY = 3990;
    wheel(-120);
    EXPECT_EQ(state.navigation.smoothTarget, 4000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !SmoothScrollRunning(state.navigation); }, 2000));
    EXPECT_LT(state.book.scrollY, 4000) << "the paint keeps the view on the page";
}
