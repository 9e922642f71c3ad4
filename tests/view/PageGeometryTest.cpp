// SPDX-License-Identifier: GPL-3.0-or-later
// Where the page lands in each display mode, pixel-exact: every division truncates, so the cases sit
// on the edges where a rounding or an off-by-one would show.

#include "view/PageGeometry.h"

#include <gtest/gtest.h>
#include <ostream>

// Failures print rectangles as (x, y, width x height).
void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

namespace {
struct LayoutCase {
    const char* name;
    QSize page, view;
    PageViewMode mode;
    int scrollX, scrollY;
    QRect dest, source;
    int clampedX, clampedY;
    bool stop;
};

constexpr PageViewMode kFitPage{true, false, 0};
constexpr PageViewMode kFitWidth{true, true, 0};
constexpr auto normal = [](int zoom) { return PageViewMode{false, false, zoom}; };
constexpr auto madeForView = [](int zoom) { return PageViewMode{false, false, zoom, true}; };
} // namespace

// Fit page: a page that fits is shown 1:1 and centred, a larger one is fitted along the axis that runs
// out first; the offsets are ignored and kept.
const LayoutCase kLayoutCases[] = {
    {"OddBorders", {101, 51}, {400, 300}, kFitPage, -7, 9000, {149, 124, 101, 51}, {0, 0, 101, 51}, -7, 9000, false},
    {"ViewSizeKept", {600, 430}, {600, 430}, kFitPage, 0, 0, {0, 0, 600, 430}, {0, 0, 600, 430}, 0, 0, false},
    {"ExactFit", {2000, 3000}, {400, 600}, kFitPage, 0, 0, {0, 0, 400, 600}, {0, 0, 2000, 3000}, 0, 0, false},
    {"TallFitsHeight", {1600, 2400}, {600, 430}, kFitPage, 0, 0, {157, 0, 286, 430}, {0, 0, 1600, 2400}, 0, 0, false},
    {"OneColumnTooWide", {601, 100}, {600, 430}, kFitPage, 0, 0, {0, 165, 600, 99}, {0, 0, 601, 100}, 0, 0, false},
    // Fit width: a band of a tall page from scrollY; past the end the last band, and smooth scrolling stops.
    {"SmallEnlarged", {100, 50}, {400, 300}, kFitWidth, 0, 0, {0, 50, 400, 200}, {0, 0, 100, 50}, 0, 0, false},
    {"Band", {1000, 3000}, {400, 600}, kFitWidth, 3, 700, {0, 0, 400, 600}, {0, 700, 1000, 1500}, 3, 700, false},
    {"BandLast", {1000, 3000}, {400, 600}, kFitWidth, 0, 1500, {0, 0, 400, 600}, {0, 1500, 1000, 1500}, 0, 1500, false},
    {"BandEnd", {1000, 3000}, {400, 600}, kFitWidth, 0, 2000, {0, 0, 400, 600}, {0, 1500, 1000, 1500}, 0, 1500, true},
    {"BandCut", {1001, 3001}, {400, 600}, kFitWidth, 0, 1600, {0, 0, 400, 600}, {0, 1500, 1001, 1501}, 0, 1500, true},
    // Normal view: an axis the page doesn't fill is centred with its offset at 0; otherwise the offset
    // is clamped to the page, and lowering scrollY stops smooth scrolling.
    {"PastEnd", {500, 800}, {600, 430}, normal(0), 0, 371, {50, 0, 500, 430}, {0, 370, 500, 430}, 0, 370, true},
    {"LastPosition", {500, 800}, {600, 430}, normal(0), 0, 370, {50, 0, 500, 430}, {0, 370, 500, 430}, 0, 370, false},
    {"NegativeOffsets", {1000, 1000}, {400, 300}, normal(0), -20, -1, {0, 0, 400, 300}, {0, 0, 400, 300}, 0, 0, false},
    {"ViewSize", {600, 430}, {600, 430}, normal(0), 3, 3, {0, 0, 600, 430}, {0, 0, 600, 430}, 0, 0, true},
    {"Columns", {500, 1000}, {600, 430}, normal(100), 250, 10, {0, 0, 600, 430}, {200, 10, 300, 215}, 200, 10, false},
    {"RowsClamped", {500, 1000}, {600, 430}, normal(100), 0, 900, {0, 0, 600, 430}, {0, 785, 300, 215}, 0, 785, true},
    {"TruncatedGrowth", {333, 333}, {400, 400}, normal(25), 99, 99, {0, 0, 400, 400}, {12, 12, 321, 321}, 12, 12, true},
    {"SmallGrows", {100, 100}, {400, 400}, normal(50), 5, 5, {125, 125, 150, 150}, {0, 0, 100, 100}, 0, 0, false},
    // A page made for the view: 100 % is the page fitted to the view; made at the zoom's size (within two
    // pixels) it is drawn 1:1, made for another size it is scaled, offsets counting its own pixels.
    {"MadeFitsView", {1000, 1400}, {600, 700}, madeForView(0), 0, 0, {50, 0, 500, 700}, {0, 0, 1000, 1400}, 0, 0, false},
    {"MadeAtZoom", {1000, 1400}, {600, 700}, madeForView(100), 0, 90, {0, 0, 600, 700}, {0, 90, 600, 700}, 0, 90, false},
    {"MadeNearZoom", {1002, 1399}, {600, 700}, madeForView(100), 0, 0, {0, 0, 600, 700}, {0, 0, 600, 700}, 0, 0, false},
    {"MadeBefore", {500, 700}, {600, 700}, madeForView(100), 0, 9, {0, 0, 600, 700}, {0, 9, 300, 350}, 0, 9, false},
};

TEST(PageGeometry, LayoutsArePixelExact)
{
    for (const LayoutCase& c : kLayoutCases) {
        const PageLayout layout = LayoutPage(c.page, c.view, c.mode, c.scrollX, c.scrollY);
        EXPECT_EQ(std::tuple(layout.dest, layout.source, layout.scrollX, layout.scrollY, layout.stopSmoothScroll),
                  std::tuple(c.dest, c.source, c.clampedX, c.clampedY, c.stop))
            << c.name;
    }
}

TEST(PageGeometry, PagesMadeForTheViewFitItsBoxGrownByTheZoom)
{
    EXPECT_EQ(MadeForViewBox({600, 700}, madeForView(50)), QSize(900, 1050));
    EXPECT_EQ(MadeForViewBox({600, 700}, PageViewMode{false, true, 50, true}), QSize(900, 0));
    EXPECT_EQ(MadeForViewBox({600, 700}, PageViewMode{true, false, 50, true}), QSize(600, 700)); // fitted: no zoom
    EXPECT_EQ(MadeForViewSize({1000, 500}, {600, 700}, true, 0), QSize(600, 300)); // fit width
}

TEST(PageGeometry, EmptyViewsStripsOfAPageAndTheScaledCopy)
{
    for (const PageViewMode mode : {kFitPage, kFitWidth, normal(0)})
        for (const QSize empty : {QSize(0, 300), QSize(300, 0)})
            EXPECT_TRUE(LayoutPage({100, 100}, empty, mode, 0, 0).dest.isEmpty());
    // 1 x 100 000 000 pixels: the fitted height doesn't fit 32 bits and must not wrap around.
    const PageLayout tall = LayoutFitWidth({1, 100'000'000}, {4000, 600}, 0, 0);
    EXPECT_EQ(tall.dest, QRect(0, 0, 4000, 600));
    EXPECT_GT(tall.source.height(), 0);

    // The copy holds W x Hw when fitting the width, even below H; else the fit-page size.
    EXPECT_FALSE(ScaledPageCacheSize({100, 100}, {0, 0}, true).isValid());
    EXPECT_EQ(ScaledPageCacheSize({100, 50}, {400, 300}, true), QSize(400, 200));
    EXPECT_EQ(ScaledPageCacheSize({1600, 2400}, {600, 430}, false), QSize(286, 430));
    EXPECT_EQ(ScaledPageBandTop({1000, 3000}, {400, 1200}, 700, 600), 280);
    // 3 x 7 into 10 x 5: Hw = 23, the last band starts at row 6, 23 * 6 / 7 = 19 would read past the copy.
    EXPECT_EQ(ScaledPageBandTop({3, 7}, {10, 23}, 6, 5), 18);
}

// Space and its reverse move by the band the view shows and turn only once the page's end (or top) is
// shown; a page shown whole turns at once, whatever offset a fitted view kept.
TEST(PageGeometry, OneViewStepsThenTheTurn)
{
    const QSize page(100, 1000), view(100, 400);
    const PageViewMode normal{false, false, 0};
    const auto step = [&](const PageViewMode& mode, std::int32_t y, bool down) {
        const ViewStep s = StepOneView(page, view, mode, 0, y, down);
        return std::pair(s.turn, s.scrollY);
    };
    EXPECT_EQ(step(normal, 0, true), std::pair(false, 400));
    EXPECT_EQ(step(normal, 400, true), std::pair(false, 600)) << "the last step stops at the page's end";
    EXPECT_EQ(step(normal, 600, true), std::pair(true, 600));
    EXPECT_EQ(step(normal, 600, false), std::pair(false, 200));
    EXPECT_EQ(step(normal, 200, false), std::pair(false, 0));
    EXPECT_EQ(step(normal, 0, false), std::pair(true, 0));
    EXPECT_EQ(step({false, false, 100}, 0, true), std::pair(false, 200)) << "at 200 % a view is 200 page rows";
    EXPECT_TRUE(step({true, false, 0}, 300, true).first) << "the fitted page is shown whole";
    EXPECT_TRUE(StepOneView(QSize(), view, normal, 0, 0, true).turn);
}
