#include "view/PageView.h"

#include "app/AppState.h"
#include "app/PresentPage.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "view/PageShown.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

void PrintTo(const QSize& s, std::ostream* os)
{
    *os << s.width() << " x " << s.height();
}

namespace {
// A page whose every pixel tells where it came from: red = x, green = y, blue = 200.
QImage coordinatePage(int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            page.setPixel(x, y, qRgb(x % 256, y % 256, 200));
    return page;
}

class PageViewTest : public ::testing::Test {
protected:
    PageViewTest() : view(viewRecords(state))
    {
        state.settings = ReadSettings(SettingsReader(), QStringLiteral("/"));
        state.windows.pageView = &view;
        view.resize(400, 300);
        view.show(); // a hidden widget hears of size changes only when it is shown
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    ~PageViewTest() override { state.windows.pageView = nullptr; }

    void showPage(const QImage& page)
    {
        state.book.current.pixels = page;
        PresentPage(state);
    }

    QImage picture() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    AppState state;
    PageView view;
};

bool allBlack(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(0, 0, 0))
                return false;
    return true;
}
} // namespace

TEST_F(PageViewTest, NoPageIsAllBlack)
{
    const QImage shot = picture();
    ASSERT_EQ(shot.size(), QSize(400, 300));
    EXPECT_TRUE(allBlack(shot, shot.rect()));
}

TEST_F(PageViewTest, FitPageShowsASmallPageOneToOneCentred)
{
    state.settings.startstretched = 1;
    showPage(coordinatePage(100, 50));
    const QImage shot = picture(); // straight from the page: the cache is still pending
    EXPECT_EQ(shot.pixel(150, 125), qRgb(0, 0, 200));
    EXPECT_EQ(shot.pixel(249, 174), qRgb(99, 49, 200));
    EXPECT_TRUE(allBlack(shot, {0, 0, 400, 125}));
    EXPECT_TRUE(allBlack(shot, {0, 175, 400, 125}));
    EXPECT_TRUE(allBlack(shot, {0, 125, 150, 50}));
    EXPECT_TRUE(allBlack(shot, {250, 125, 150, 50}));

    // The cached copy shows the same pixels.
    QTest::qWait(120);
    EXPECT_FALSE(state.view.rerenderPending);
    EXPECT_EQ(view.scaledPageCache().size(), QSize(100, 50));
    EXPECT_EQ(picture(), shot);
}

TEST_F(PageViewTest, NormalViewShowsTheVisibleColumnsAndWritesTheClampsBack)
{
    showPage(coordinatePage(300, 800));
    state.book.scrollX = 40; // the page is narrower than the view: no horizontal offset
    state.book.scrollY = 600; // beyond the last position, 800 - 300
    QSignalSpy stops(&view, &PageView::scrollReachedPageEnd);
    const QImage shot = picture();
    EXPECT_EQ(state.book.scrollX, 0);
    EXPECT_EQ(state.book.scrollY, 500);
    EXPECT_EQ(stops.count(), 1);
    EXPECT_TRUE(allBlack(shot, {0, 0, 50, 300}));
    EXPECT_TRUE(allBlack(shot, {350, 0, 50, 300}));
    EXPECT_EQ(shot.pixel(50, 0), qRgb(0, 500 % 256, 200));
    EXPECT_EQ(shot.pixel(349, 299), qRgb(299 % 256, 799 % 256, 200));
}

TEST_F(PageViewTest, ZoomScalesFastUnlessHalftoneZoom)
{
    QImage page(2, 300, QImage::Format_RGB32);
    page.fill(Qt::black);
    for (int y = 0; y < 300; ++y)
        page.setPixel(1, y, qRgb(255, 255, 255));
    state.view.zoom = 100; // 4 x 600 on screen, centred at x = 198
    showPage(page);
    const QImage fast = picture();
    EXPECT_EQ(fast.pixel(198, 10), qRgb(0, 0, 0));
    EXPECT_EQ(fast.pixel(199, 10), qRgb(0, 0, 0));
    EXPECT_EQ(fast.pixel(200, 10), qRgb(255, 255, 255));
    EXPECT_EQ(fast.pixel(201, 10), qRgb(255, 255, 255));

    state.settings.halftonezoom = true;
    const QImage smooth = picture();
    const int inBetween = qGray(smooth.pixel(199, 10));
    EXPECT_GT(inBetween, 0);
    EXPECT_LT(inBetween, 255);
}

TEST_F(PageViewTest, FitWidthCopiesTheBandOfTheCache)
{
    state.settings.wstretched = true;
    state.settings.startstretched = 1;
    showPage(coordinatePage(200, 600)); // 400 x 1200 when fitted, bands of 150 page rows
    QTest::qWait(120);
    ASSERT_EQ(view.scaledPageCache().size(), QSize(400, 1200));
    state.book.scrollY = 450;
    const QImage shot = picture();
    EXPECT_EQ(state.book.scrollY, 450);
    // Cache row 900 is page row 450, shown at the top.
    EXPECT_EQ(shot.copy(0, 0, 400, 300), view.scaledPageCache().copy(0, 900, 400, 300));
}

TEST_F(PageViewTest, NewPageSchedulesOneRebuildWhenStretched)
{
    showPage(coordinatePage(800, 600));
    EXPECT_FALSE(view.cacheTimerActive()); // the normal view needs no cache
    EXPECT_FALSE(state.view.rerenderPending);

    state.view.stretched = true;
    showPage(coordinatePage(800, 600));
    EXPECT_TRUE(state.view.rerenderPending);
    EXPECT_TRUE(view.cacheTimerActive());
    EXPECT_TRUE(view.scaledPageCache().isNull());
    QTest::qWait(120);
    EXPECT_FALSE(view.cacheTimerActive());
    EXPECT_EQ(view.scaledPageCache().size(), QSize(400, 300));
}

TEST_F(PageViewTest, SizeChangesDropTheCacheAndRebuildItOnceAfterAResizeDrag)
{
    state.settings.startstretched = 1;
    showPage(coordinatePage(800, 600));
    QTest::qWait(120);
    ASSERT_FALSE(view.scaledPageCache().isNull());

    view.setResizeDragInProgress(true);
    for (int width : {390, 380, 370}) {
        view.resize(width, 300);
        EXPECT_TRUE(view.scaledPageCache().isNull());
        EXPECT_TRUE(state.view.rerenderPending);
        EXPECT_FALSE(view.cacheTimerActive());
        QTest::qWait(60);
        EXPECT_TRUE(view.scaledPageCache().isNull());
    }
    view.setResizeDragInProgress(false);
    EXPECT_TRUE(view.cacheTimerActive());
    QTest::qWait(120);
    EXPECT_EQ(view.scaledPageCache().size(), QSize(370, 277));
    EXPECT_FALSE(state.view.rerenderPending);

    // Without a drag a size change schedules the rebuild itself.
    view.resize(400, 300);
    EXPECT_TRUE(view.cacheTimerActive());
    QTest::qWait(120);
    EXPECT_EQ(view.scaledPageCache().size(), QSize(400, 300));
}

TEST_F(PageViewTest, AStaleCacheIsNeverCopied)
{
    state.view.stretched = true;
    showPage(coordinatePage(100, 50));
    QTest::qWait(120);
    // A new page arrives without anyone scheduling a rebuild.
    state.book.current.pixels = coordinatePage(100, 50).mirrored(true, false);
    const QImage shot = picture();
    EXPECT_EQ(shot.pixel(150, 125), qRgb(99, 0, 200));
}
