// SPDX-License-Identifier: GPL-3.0-or-later
// Moving around a page: the auto-scroll steps, periods and cursors, dragging, holding the button to
// turn, and the smooth wheel scrolling's motion.

#include "app/AppHooks.h"
#include "app/AppState.h"
#include "support/TestState.h"
#include "view/DirectionCursors.h"
#include "view/PageInput.h"
#include "view/SmoothScroll.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The window system as the page view's input sees it, under the test's control.
struct FakePointer : PointerPort {
    QPoint pointer;
    std::uint32_t tick = 0;
    int timerPeriod = 0; // 0: timer 11 stopped
    std::optional<DirectionCursor> cursor;
    std::optional<QPoint> warpedTo;

    QPoint cursorPos() const override { return pointer; }
    void setCursorPos(QPoint screen) override { warpedTo = pointer = screen; }
    void startAutoScrollTimer(int periodMs) override { timerPeriod = periodMs; }
    void stopAutoScrollTimer() override { timerPeriod = 0; }
    void showDirectionCursor(DirectionCursor shape) override { cursor = shape; }
    void restoreCursor() override { cursor.reset(); }
    std::uint32_t tickCount() const override { return tick; }
    void redraw() override {}
};

class Navigation : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        state.settings.preloadnextpage = false;
        OpenGreyBook(state, dir, 3, QSize(10, 3000), 1);
    }
    AppState state;
    AppHooks hooks{state};
    ScratchDir dir;
    FakePointer port;
    PageInput input{viewRecords(state), port};
};

} // namespace

TEST(AutoScroll, StepsPeriodsAndCursorsFollowThePointer)
{
    using enum DirectionCursor;
    const std::tuple<QPoint, int, int, int, DirectionCursor> cases[] = {
        // The pointer's offset from the press point; the step, the timer's period and the cursor.
        // A fifth of the distance a tick, faster further away; upward the period bands come sooner.
        {{0, 100}, 0, 20, 50, Down},      {{0, 101}, 0, 20, 50, Down},
        {{0, 105}, 0, 21, 40, Down},      {{0, 150}, 0, 30, 40, Down},
        {{0, 155}, 0, 31, 30, Down},      {{0, 200}, 0, 40, 30, Down},
        {{0, 205}, 0, 41, 20, Down},      {{0, 250}, 0, 50, 20, Down},
        {{0, -45}, 0, -9, 50, Up},        {{0, -50}, 0, -10, 40, Up},
        {{0, -95}, 0, -19, 40, Up},       {{0, -100}, 0, -20, 30, Up},
        {{0, -145}, 0, -29, 30, Up},      {{0, -150}, 0, -30, 20, Up},
        {{-20, 0}, -4, 0, 50, Left},      {{20, 0}, 4, 0, 50, Right},
        {{-20, -20}, -4, -4, 50, UpLeft}, {{20, -20}, 4, -4, 50, UpRight},
        {{-20, 20}, -4, 4, 50, DownLeft}, {{20, 20}, 4, 4, 50, DownRight},
        {{19, 19}, 3, 3, 50, Neutral}, // within 3 both ways: the neutral cursor, but the page scrolls
        {{-4, 4}, 0, 0, 0, Neutral},   // truncated to no step: the timer keeps its period
    };
    std::map<DirectionCursor, QImage> pictures;
    for (const auto& [offset, dx, dy, period, cursor] : cases) {
        const AutoScrollTick tick = ComputeAutoScrollTick({500, 400}, QPoint(500, 400) + offset);
        EXPECT_EQ(std::tuple(tick.dx, tick.dy, tick.periodMs, tick.cursor), std::tuple(dx, dy, period, cursor))
            << offset.x() << "," << offset.y();
        pictures[cursor] = DirectionCursorImage(cursor);
        EXPECT_GT(qAlpha(pictures[cursor].pixel(16, 16)), 0) << "every cursor has its centre mark";
        EXPECT_FALSE(DirectionCursorShape(cursor).pixmap().isNull());
    }
    ASSERT_EQ(pictures.size(), 9u);
    for (auto a = pictures.begin(); a != pictures.end(); ++a)
        EXPECT_TRUE(std::none_of(std::next(a), pictures.end(), [&](const auto& b) { return b.second == a->second; }));
}

TEST_F(Navigation, TheLeftButtonAutoScrollsOrDragsAndHeldLongTurnsThePage)
{
    port.pointer = {300, 300};
    input.leftButtonDown();
    EXPECT_EQ(port.timerPeriod, 50);
    input.autoScrollTick(); // not moved yet: no step, the timer keeps its period
    EXPECT_EQ(std::pair(port.timerPeriod, port.cursor), std::pair(50, std::optional(DirectionCursor::Neutral)));
    port.pointer = {300, 550};
    input.autoScrollTick();
    input.autoScrollTick();
    EXPECT_EQ(std::pair(state.book.scrollY, port.timerPeriod), std::pair(100, 20)); // 50 rows a tick, every 20 ms
    input.leftButtonUp(); // the timer stops, and the pointer goes back to where it was pressed
    EXPECT_EQ(std::tuple(port.timerPeriod, port.warpedTo, port.cursor), std::tuple(0, QPoint(300, 300), std::nullopt));

    // The fit-page view takes the press but neither scrolls nor, on release, throws the pointer back
    // to where an earlier press had been.
    state.view.stretched = true;
    port.warpedTo.reset();
    port.pointer = {100, 100};
    input.leftButtonDown();
    EXPECT_TRUE(state.navigation.leftDown && port.timerPeriod == 0);
    port.pointer = {100, 500};
    input.autoScrollTick();
    EXPECT_EQ(state.book.scrollY, 100);
    input.leftButtonUp();
    EXPECT_FALSE(port.warpedTo.has_value());

    // Dragging instead: the page moves twice the pointer's way while the button is down, and only then.
    state.view.stretched = state.settings.explorerstylenav = false;
    input.leftButtonDown();
    port.pointer = {90, 490};
    input.mouseMoved();
    input.leftButtonUp();
    input.leftButtonUp(); // a release without a press
    port.pointer = {300, 300};
    input.mouseMoved();
    EXPECT_EQ(QPoint(state.book.scrollX, state.book.scrollY), QPoint(20, 120));
    EXPECT_FALSE(port.warpedTo.has_value());

    const std::tuple<int, std::uint32_t, std::uint32_t, bool> holds[] = {
        // nextonup (0 on, -1 off), the tick of the press, how long it was held, whether the page turns
        {0, 5000, 11000, true},
        {0, 5000, 10000, false}, // longer than ten seconds, not as long
        {-1, 5000, 11000, false},
        {0, 0xfffff000u, 11000, true}, // across the tick counter's wrap
    };
    for (const auto& [nextonup, pressAt, heldMs, turns] : holds) {
        state.book.pageIndex = 0;
        state.settings.nextonup = nextonup;
        port.tick = pressAt;
        input.leftButtonDown();
        port.tick = pressAt + heldMs;
        input.leftButtonUp();
        EXPECT_EQ(state.book.pageIndex, turns ? 1 : 0) << heldMs;
        EXPECT_EQ(state.settings.nextonup, std::min(nextonup, 0)) << "the press time it held is gone: on (0) or off";
    }
}

TEST(SmoothScrollMotion, NotchesAddUpStopAtThePageAndNeverRunAway)
{
    const std::tuple<std::int32_t, std::int32_t, std::vector<bool>, std::int32_t, std::int32_t, int> cases[] = {
        // from row, page height, notches (down or up), rows a notch, the target, ticks of 6 rows to it
        {0, 3000, {true, true, true}, 50, 150, 25}, // a notch while running extends the motion
        {980, 1000, {true}, 50, 1000, 4},           // down stops at the page's height
        {990, 1000, {true, false}, 50, 940, 9},     // turned back: from where the page is
        {4, 1000, {false}, 2000, 0, 1},             // up stops at the top
        // Odd steps from a hand-edited settings file: the motion still ends, and never wraps.
        {500, 3000, {true}, -3, 497, 1},
        {500, 3000, {true}, INT32_MIN, 500 + INT32_MIN, 1},
        {500, 3000, {true}, INT32_MAX, 3000, 417},
    };
    for (const auto& [from, pageHeight, notches, step, target, ticks] : cases) {
        SmoothScrollMotion motion;
        std::int32_t scrollY = from;
        for (std::size_t i = 0; i < notches.size(); ++i)
            EXPECT_EQ(SmoothScrollNotch(motion, scrollY, pageHeight, notches[i], step), i == 0) << "only one starts";
        EXPECT_EQ(motion.smoothTarget, target) << step;
        int ran = 1;
        while (!SmoothScrollAdvance(motion, scrollY) && ran < 1000)
            ++ran;
        EXPECT_EQ(std::pair(ran, scrollY), std::pair(ticks, target)) << step;
    }
}
