#include "view/PageGeometry.h"

#include <gtest/gtest.h>
#include <ostream>

// Failures print rectangles as (x, y, width x height).
void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

struct LayoutCase {
    const char* what;
    QSize page, view;
    PageViewMode mode;
    int scrollX, scrollY;
    QRect dest, source;
    int clampedX, clampedY;
    bool stop;
};

class PageLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(PageLayoutTest, PixelExact)
{
    const LayoutCase& c = GetParam();
    const PageLayout layout = LayoutPage(c.page, c.view, c.mode, c.scrollX, c.scrollY);
    EXPECT_EQ(layout.dest, c.dest) << c.what;
    EXPECT_EQ(layout.source, c.source) << c.what;
    EXPECT_EQ(layout.scrollX, c.clampedX) << c.what;
    EXPECT_EQ(layout.scrollY, c.clampedY) << c.what;
    EXPECT_EQ(layout.stopSmoothScroll, c.stop) << c.what;
}

constexpr PageViewMode kFitPage{true, false, 0};
constexpr PageViewMode kFitWidth{true, true, 0};
constexpr PageViewMode normal(int zoom)
{
    return {false, false, zoom};
}

INSTANTIATE_TEST_SUITE_P(
    FitPage, PageLayoutTest,
    ::testing::Values(
        LayoutCase{"a small page is shown 1:1, centred", {100, 50}, {400, 300}, kFitPage, 0, 0,
                   {150, 125, 100, 50}, {0, 0, 100, 50}, 0, 0, false},
        LayoutCase{"odd borders truncate", {101, 51}, {400, 300}, kFitPage, 0, 0,
                   {149, 124, 101, 51}, {0, 0, 101, 51}, 0, 0, false},
        LayoutCase{"the view's own size is never enlarged", {600, 430}, {600, 430}, kFitPage, 0, 0,
                   {0, 0, 600, 430}, {0, 0, 600, 430}, 0, 0, false},
        LayoutCase{"equal proportions fill the view exactly", {2000, 3000}, {400, 600}, kFitPage, 0, 0,
                   {0, 0, 400, 600}, {0, 0, 2000, 3000}, 0, 0, false},
        LayoutCase{"a tall page fits its height", {1600, 2400}, {600, 430}, kFitPage, 0, 0,
                   {157, 0, 286, 430}, {0, 0, 1600, 2400}, 0, 0, false},
        LayoutCase{"a wide page fits its width", {3000, 1000}, {600, 430}, kFitPage, 0, 0,
                   {0, 115, 600, 200}, {0, 0, 3000, 1000}, 0, 0, false},
        LayoutCase{"one column too wide: the fitted height truncates", {601, 100}, {600, 430}, kFitPage, 0, 0,
                   {0, 165, 600, 99}, {0, 0, 601, 100}, 0, 0, false},
        LayoutCase{"the offsets are ignored and kept", {1600, 2400}, {600, 430}, kFitPage, -7, 9000,
                   {157, 0, 286, 430}, {0, 0, 1600, 2400}, -7, 9000, false}));

INSTANTIATE_TEST_SUITE_P(
    FitWidth, PageLayoutTest,
    ::testing::Values(
        LayoutCase{"a small page is enlarged to the width", {100, 50}, {400, 300}, kFitWidth, 0, 0,
                   {0, 50, 400, 200}, {0, 0, 100, 50}, 0, 0, false},
        LayoutCase{"a tall page shows a band", {1000, 3000}, {400, 600}, kFitWidth, 0, 0,
                   {0, 0, 400, 600}, {0, 0, 1000, 1500}, 0, 0, false},
        LayoutCase{"the band follows scrollY", {1000, 3000}, {400, 600}, kFitWidth, 3, 700,
                   {0, 0, 400, 600}, {0, 700, 1000, 1500}, 3, 700, false},
        LayoutCase{"past the end: the last band, and smooth scrolling stops", {1000, 3000}, {400, 600}, kFitWidth,
                   0, 2000, {0, 0, 400, 600}, {0, 1500, 1000, 1500}, 0, 1500, true},
        LayoutCase{"negative offsets are raised to 0", {1000, 3000}, {400, 600}, kFitWidth, -4, -9,
                   {0, 0, 400, 600}, {0, 0, 1000, 1500}, 0, 0, false},
        LayoutCase{"truncation in both divisions", {1001, 3001}, {400, 600}, kFitWidth, 0, 1600,
                   {0, 0, 400, 600}, {0, 1500, 1001, 1501}, 0, 1500, true}));

INSTANTIATE_TEST_SUITE_P(
    Normal, PageLayoutTest,
    ::testing::Values(
        LayoutCase{"zoom 0: a narrow page is centred and scrollX forced to 0", {500, 800}, {600, 430}, normal(0),
                   40, 100, {50, 0, 500, 430}, {0, 100, 500, 430}, 0, 100, false},
        LayoutCase{"zoom 0: scrollY beyond the page is lowered, smooth scrolling stops", {500, 800}, {600, 430},
                   normal(0), 0, 371, {50, 0, 500, 430}, {0, 370, 500, 430}, 0, 370, true},
        LayoutCase{"zoom 0: the last position itself stands", {500, 800}, {600, 430}, normal(0), 0, 370,
                   {50, 0, 500, 430}, {0, 370, 500, 430}, 0, 370, false},
        LayoutCase{"zoom 100: 300 of 500 columns, scrollX at most 200, no stop for x", {500, 1000}, {600, 430},
                   normal(100), 250, 10, {0, 0, 600, 430}, {200, 10, 300, 215}, 200, 10, false},
        LayoutCase{"zoom 100: scrollY clamp", {500, 1000}, {600, 430}, normal(100), 0, 900,
                   {0, 0, 600, 430}, {0, 785, 300, 215}, 0, 785, true},
        LayoutCase{"zoom 25: truncated growth", {333, 333}, {400, 400}, normal(25), 99, 99,
                   {0, 0, 400, 400}, {12, 12, 321, 321}, 12, 12, true},
        LayoutCase{"zoom 50: a small page grows and is centred", {100, 100}, {400, 400}, normal(50), 5, 5,
                   {125, 125, 150, 150}, {0, 0, 100, 100}, 0, 0, false},
        LayoutCase{"negative offsets are raised to 0", {1000, 1000}, {400, 300}, normal(0), -20, -1,
                   {0, 0, 400, 300}, {0, 0, 400, 300}, 0, 0, false},
        LayoutCase{"a page exactly the view's width fills it", {600, 430}, {600, 430}, normal(0), 3, 3,
                   {0, 0, 600, 430}, {0, 0, 600, 430}, 0, 0, true}));

TEST(PageGeometry, AnEmptyViewShowsNothing)
{
    for (const PageViewMode mode : {kFitPage, kFitWidth, normal(0), normal(100)}) {
        EXPECT_TRUE(LayoutPage({100, 100}, {0, 300}, mode, 0, 0).dest.isEmpty());
        EXPECT_TRUE(LayoutPage({100, 100}, {300, 0}, mode, 0, 0).dest.isEmpty());
    }
    EXPECT_FALSE(ScaledPageCacheSize({100, 100}, {0, 0}, true).isValid());
}

TEST(PageGeometry, AStripOfAPageKeepsSaneSizes)
{
    // 1 x 100 000 000 pixels: the fitted height doesn't fit 32 bits and must not wrap around.
    const PageLayout layout = LayoutFitWidth({1, 100'000'000}, {4000, 600}, 0, 0);
    EXPECT_EQ(layout.dest, QRect(0, 0, 4000, 600));
    EXPECT_GT(layout.source.height(), 0);
    const PageLayout wide = LayoutFitPage({100'000'000, 1}, {4000, 600}, 0, 0);
    EXPECT_EQ(wide.dest.width(), 4000);
    EXPECT_GE(wide.dest.height(), 0);
}

TEST(PageGeometry, CacheSize)
{
    EXPECT_EQ(ScaledPageCacheSize({1000, 3000}, {400, 600}, true), QSize(400, 1200));
    EXPECT_EQ(ScaledPageCacheSize({100, 50}, {400, 300}, true), QSize(400, 200)); // W x Hw even below H
    EXPECT_EQ(ScaledPageCacheSize({100, 50}, {400, 300}, false), QSize(100, 50));
    EXPECT_EQ(ScaledPageCacheSize({1600, 2400}, {600, 430}, false), QSize(286, 430));
    EXPECT_EQ(ScaledPageCacheSize({2000, 3000}, {400, 600}, false), QSize(400, 600));
}

TEST(PageGeometry, CacheBandTop)
{
    EXPECT_EQ(ScaledPageBandTop({1000, 3000}, {400, 1200}, 0, 600), 0);
    EXPECT_EQ(ScaledPageBandTop({1000, 3000}, {400, 1200}, 700, 600), 280);
    EXPECT_EQ(ScaledPageBandTop({1000, 3000}, {400, 1200}, 1500, 600), 600);
    // 3 x 7 into 10 x 5: Hw = 23, the last band starts at row 6, 23 * 6 / 7 = 19 would read past the cache.
    EXPECT_EQ(ScaledPageBandTop({3, 7}, {10, 23}, 6, 5), 18);
}
