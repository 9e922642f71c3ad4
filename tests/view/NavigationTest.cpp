// Moving around a page: the auto-scroll steps, cursors and timer periods, dragging, smooth wheel
// scrolling, the wheel's three behaviours, holding the button to turn, and the button gestures.

#include "app/AppHooks.h"
#include "app/AppState.h"
#include "app/Commands.h"
#include "app/PopupMenu.h"
#include "support/TestState.h"
#include "support/TestSupport.h"
#include "view/AutoScroll.h"
#include "view/DirectionCursors.h"
#include "view/NavigationMath.h"
#include "view/PageInput.h"
#include "view/SmoothScroll.h"
#include "view/WheelInput.h"

#include <QColor>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace {

// The window system as the page view's input sees it, under the test's control.
struct FakePointer : PointerPort {
    QPoint pointer;
    std::uint32_t tick = 0;
    int timerPeriod = 0; // 0: timer 11 stopped
    std::vector<int> timerStarts;
    std::optional<DirectionCursor> cursor;
    std::optional<QPoint> warpedTo;
    int redraws = 0;

    QPoint cursorPos() const override { return pointer; }
    void setCursorPos(QPoint screen) override
    {
        warpedTo = screen;
        pointer = screen;
    }
    void startAutoScrollTimer(int periodMs) override
    {
        timerPeriod = periodMs;
        timerStarts.push_back(periodMs);
    }
    void stopAutoScrollTimer() override { timerPeriod = 0; }
    void showDirectionCursor(DirectionCursor shape) override { cursor = shape; }
    void restoreCursor() override { cursor.reset(); }
    std::uint32_t tickCount() const override { return tick; }
    void redraw() override { ++redraws; }
};

// A book of plain pages on disk, open at `index`.
void openBook(AppState& state, const ScratchDir& dir, int pages, int index = 0)
{
    OpenGreyBook(state, dir, pages, QSize(10, 1000), 1, index);
}

class Navigation : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        state.settings.preloadnextpage = false;
    }
    AppState state;
    AppHooks hooks{state};
    FakePointer port;
    PageInput input{viewRecords(state), port};
};

} // namespace

TEST(AutoScroll, StepsPeriodsAndCursorsFollowThePointer)
{
    struct Case {
        QPoint offset; // pointer minus press point
        int dx, dy, period;
        DirectionCursor cursor;
    };
    const Case cases[] = {
        {{0, 100}, 0, 20, 50, DirectionCursor::Down},        // 20 page pixels a tick at 50 ms
        {{0, 250}, 0, 50, 20, DirectionCursor::Down},        // 50 a tick at 20 ms
        {{0, 101}, 0, 20, 50, DirectionCursor::Down},
        {{0, 105}, 0, 21, 40, DirectionCursor::Down},
        {{0, 150}, 0, 30, 40, DirectionCursor::Down},
        {{0, 155}, 0, 31, 30, DirectionCursor::Down},
        {{0, 200}, 0, 40, 30, DirectionCursor::Down},
        {{0, 205}, 0, 41, 20, DirectionCursor::Down},
        {{0, -45}, 0, -9, 50, DirectionCursor::Up},           // upward bands are shifted
        {{0, -50}, 0, -10, 40, DirectionCursor::Up},
        {{0, -95}, 0, -19, 40, DirectionCursor::Up},
        {{0, -100}, 0, -20, 30, DirectionCursor::Up},
        {{0, -145}, 0, -29, 30, DirectionCursor::Up},
        {{0, -150}, 0, -30, 20, DirectionCursor::Up},
        {{19, 19}, 3, 3, 50, DirectionCursor::Neutral},       // within 3 both ways: neutral, still scrolls
        {{20, 0}, 4, 0, 50, DirectionCursor::Right},
        {{-20, 0}, -4, 0, 50, DirectionCursor::Left},
        {{-20, -20}, -4, -4, 50, DirectionCursor::UpLeft},
        {{20, -20}, 4, -4, 50, DirectionCursor::UpRight},
        {{-20, 20}, -4, 4, 50, DirectionCursor::DownLeft},
        {{20, 20}, 4, 4, 50, DirectionCursor::DownRight},
        {{-4, 4}, 0, 0, 0, DirectionCursor::Neutral},         // truncation toward zero: no step
    };
    const QPoint press(500, 400);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.offset.x() << "," << c.offset.y());
        const AutoScrollTick tick = ComputeAutoScrollTick(press, press + c.offset);
        EXPECT_EQ(tick.dx, c.dx);
        EXPECT_EQ(tick.dy, c.dy);
        EXPECT_EQ(tick.periodMs, c.period);
        EXPECT_EQ(tick.cursor, c.cursor);
    }
}

TEST(DirectionCursors, NineDistinctShapesPointTheirWay)
{
    const DirectionCursor all[] = {DirectionCursor::Neutral, DirectionCursor::Up, DirectionCursor::Down,
                                   DirectionCursor::Left, DirectionCursor::Right, DirectionCursor::UpLeft,
                                   DirectionCursor::UpRight, DirectionCursor::DownLeft, DirectionCursor::DownRight};
    std::set<QByteArray> seen;
    for (DirectionCursor c : all) {
        const QImage image = DirectionCursorImage(c);
        ASSERT_EQ(image.size(), QSize(32, 32));
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), int(image.sizeInBytes())));
        const auto inked = [&](int x, int y) { return qAlpha(image.pixel(x, y)) > 0; };
        const int v = int(c);
        const bool up = v == 105 || v == 125 || v == 126 || v == 104;
        const bool down = v == 123 || v == 127 || v == 128 || v == 104;
        EXPECT_EQ(inked(16, 4), up && (v == 105 || v == 104)) << v;
        EXPECT_EQ(inked(16, 27), down && (v == 123 || v == 104)) << v;
        EXPECT_TRUE(inked(16, 16)) << "the centre mark, " << v;
        EXPECT_FALSE(DirectionCursorShape(c).pixmap().isNull());
    }
    EXPECT_EQ(seen.size(), 9u);
}

TEST_F(Navigation, APressWithoutMovingShowsTheNeutralCursorAndDoesNotScroll)
{
    port.pointer = {300, 300};
    input.leftButtonDown();
    EXPECT_EQ(port.timerPeriod, 50);
    input.autoScrollTick();
    EXPECT_EQ(port.cursor, DirectionCursor::Neutral);
    EXPECT_EQ(state.book.scrollX, 0);
    EXPECT_EQ(state.book.scrollY, 0);
    EXPECT_EQ(port.timerStarts.size(), 1u) << "the timer keeps its period";
}

TEST_F(Navigation, AutoScrollMovesTwentyPagePixelsATickAtOneHundredBelow)
{
    port.pointer = {300, 300};
    input.leftButtonDown();
    port.pointer = {300, 400};
    input.autoScrollTick();
    input.autoScrollTick();
    EXPECT_EQ(state.book.scrollY, 40);
    EXPECT_EQ(port.timerPeriod, 50);
    EXPECT_EQ(port.cursor, DirectionCursor::Down);
    port.pointer = {300, 550};
    input.autoScrollTick();
    EXPECT_EQ(state.book.scrollY, 90);
    EXPECT_EQ(port.timerPeriod, 20);
    input.leftButtonUp();
    EXPECT_EQ(port.timerPeriod, 0);
    EXPECT_EQ(port.warpedTo, QPoint(300, 300)) << "the pointer goes back to the press point";
    EXPECT_FALSE(port.cursor.has_value());
    EXPECT_FALSE(state.navigation.leftDown);
}

TEST_F(Navigation, TheFitPageViewNeitherDragsNorAutoScrolls)
{
    state.view.stretched = true;
    state.settings.wstretched = false;
    port.pointer = {300, 300};
    state.navigation.pressPoint = {10, 10}; // where an earlier press was
    input.leftButtonDown();
    EXPECT_TRUE(state.navigation.leftDown) << "the press is still taken";
    EXPECT_EQ(port.timerPeriod, 0);
    port.pointer = {300, 500};
    input.autoScrollTick();
    EXPECT_EQ(state.book.scrollY, 0);
    input.leftButtonUp();
    EXPECT_FALSE(port.warpedTo.has_value()) << "the pointer stays where the reader let go";
}

TEST_F(Navigation, DraggingTenPixelsRightLowersScrollXByTwenty)
{
    state.settings.explorerstylenav = false;
    state.book.scrollX = 100;
    state.book.scrollY = 100;
    port.pointer = {200, 200};
    input.leftButtonDown();
    EXPECT_EQ(port.timerPeriod, 0) << "no auto-scroll timer in drag mode";
    port.pointer = {210, 200};
    input.mouseMoved();
    EXPECT_EQ(state.book.scrollX, 80);
    port.pointer = {210, 190};
    input.mouseMoved();
    EXPECT_EQ(state.book.scrollY, 120);
    EXPECT_EQ(port.redraws, 2);
    input.leftButtonUp();
    EXPECT_FALSE(port.warpedTo.has_value());
    port.pointer = {300, 300};
    input.mouseMoved(); // button up: nothing moves
    EXPECT_EQ(state.book.scrollX, 80);
}

TEST_F(Navigation, HoldingTheButtonLongerThanTenSecondsTurnsThePage)
{
    struct Case {
        int nextonup;
        std::uint32_t pressAt, heldMs;
        bool turns;
    };
    const Case cases[] = {
        {0, 5000, 11000, true},
        {0, 5000, 9000, false},
        {0, 5000, 10000, false},     // longer than ten seconds, not as long
        {-1, 5000, 11000, false},    // the option is off
        {0, 0xfffff000u, 11000, true}, // across the tick counter's wrap
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heldMs);
        AppState s;
        AppHooks hooks(s);
        UseDefaultSettings(s);
        s.settings.preloadnextpage = false;
        ScratchDir dir;
        openBook(s, dir, 3);
        FakePointer p;
        PageInput in(viewRecords(s), p);
        s.settings.nextonup = c.nextonup;
        p.tick = c.pressAt;
        in.leftButtonDown();
        p.tick = c.pressAt + c.heldMs;
        in.leftButtonUp();
        EXPECT_EQ(s.book.pageIndex, c.turns ? 1 : 0);
        EXPECT_EQ(s.settings.nextonup, c.nextonup < 0 ? c.nextonup : 0) << "the option stays on (0) or off";
    }
}

TEST_F(Navigation, TheRightButtonWithTheLeftHeldRunsLeftRightElseRight)
{
    std::vector<int> menus;
    MenuTracker previous = SetMenuTracker([&](QMenu&, const QPoint&) {
        menus.push_back(1);
        return 0;
    });
    input.rightButtonDown(); // rightm 2: the popup
    EXPECT_EQ(menus.size(), 1u);
    input.leftButtonDown();
    input.rightButtonDown(); // leftrightm 3: stretched view on
    EXPECT_TRUE(state.view.stretched);
    EXPECT_EQ(menus.size(), 1u);
    SetMenuTracker(std::move(previous));
}

TEST_F(Navigation, MouseActionsOutsideZeroToFourDoNothing)
{
    ScratchDir dir;
    openBook(state, dir, 3, 1);
    for (int code : {7, -1, 5, 32767, -32768}) {
        state.settings.dblleftm = std::int16_t(code);
        state.settings.middlem = std::int16_t(code);
        input.leftDoubleClick();
        input.middleButtonDown();
        EXPECT_EQ(state.book.pageIndex, 1);
        EXPECT_FALSE(state.view.stretched);
        EXPECT_FALSE(state.view.fullscreen);
    }
    state.settings.dblleftm = 1; // the default: back
    input.leftDoubleClick();
    EXPECT_EQ(state.book.pageIndex, 0);
    state.settings.middlem = 0; // the default: forward
    input.middleButtonDown();
    EXPECT_EQ(state.book.pageIndex, 1);
}

TEST(SmoothScrollMotion, ThreeNotchesMoveOneHundredFiftyPixelsInStepsOfSix)
{
    SmoothScrollMotion motion;
    std::int32_t scrollY = 0;
    EXPECT_TRUE(SmoothScrollNotch(motion, scrollY, 3000, true, 50));
    EXPECT_FALSE(SmoothScrollNotch(motion, scrollY, 3000, true, 50)) << "a notch while running extends";
    EXPECT_FALSE(SmoothScrollNotch(motion, scrollY, 3000, true, 50));
    EXPECT_EQ(motion.smoothTarget, 150);
    int ticks = 0;
    std::vector<int> path;
    while (!SmoothScrollAdvance(motion, scrollY)) {
        path.push_back(scrollY);
        ++ticks;
    }
    EXPECT_EQ(scrollY, 150);
    EXPECT_EQ(ticks, 24); // 24 ticks of 6, then the 25th lands on 150 exactly
    EXPECT_EQ(path.front(), 6);
    EXPECT_EQ(path.back(), 144);
}

TEST(SmoothScrollMotion, TargetsStopAtThePageAndTurnWithTheWheel)
{
    SmoothScrollMotion motion;
    SmoothScrollNotch(motion, 980, 1000, true, 50);
    EXPECT_EQ(motion.smoothTarget, 1000) << "down stops at the page's height";
    SmoothScrollNotch(motion, 990, 1000, false, 50);
    EXPECT_EQ(motion.smoothDirection, -1);
    EXPECT_EQ(motion.smoothTarget, 940) << "the other way starts from where the page is";
    SmoothScrollNotch(motion, 990, 1000, false, 2000);
    EXPECT_EQ(motion.smoothTarget, 0) << "up stops at the top";
    std::int32_t scrollY = 4;
    EXPECT_TRUE(SmoothScrollAdvance(motion, scrollY));
    EXPECT_EQ(scrollY, 0);
}

TEST(SmoothScrollMotion, OddWheelStepsNeitherRunAwayNorWrap)
{
    struct Case {
        std::int32_t step;
        std::int32_t expectedEnd;
    };
    // From row 500 of a 3000-row page, one notch down.
    const Case cases[] = {{0, 500}, {-3, 497}, {999, 1499}, {INT32_MIN, 500 + INT32_MIN}, {INT32_MAX, 3000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        SmoothScrollMotion motion;
        std::int32_t scrollY = 500;
        SmoothScrollNotch(motion, scrollY, 3000, true, c.step);
        int ticks = 0;
        while (!SmoothScrollAdvance(motion, scrollY) && ticks < 1000)
            ++ticks;
        EXPECT_LT(ticks, 1000);
        EXPECT_EQ(scrollY, c.expectedEnd);
    }
}

TEST_F(Navigation, SmoothScrollingRunsOnAFifteenMillisecondTimerUntilItArrives)
{
    state.book.current.pixels = QImage(10, 3000, QImage::Format_RGB32);
    for (int i = 0; i < 3; ++i)
        WheelTurned(state, -120);
    EXPECT_EQ(state.book.scrollY, 0) << "the wheel itself doesn't move the page";
    EXPECT_TRUE(state.navigation.smoothScrollTimer.isActive());
    EXPECT_EQ(state.navigation.smoothScrollTimer.interval(), 15);
    EXPECT_EQ(state.navigation.smoothScrollTimer.timerType(), Qt::PreciseTimer);
    QTRY_COMPARE_WITH_TIMEOUT(state.navigation.smoothDirection, 0, 2000);
    EXPECT_EQ(state.book.scrollY, 150);
    EXPECT_FALSE(state.navigation.smoothScrollTimer.isActive());
}

TEST_F(Navigation, SmoothScrollingStopsOnAPressEveryMouseActionAndKeyCommandTwelve)
{
    state.book.current.pixels = QImage(10, 3000, QImage::Format_RGB32);
    const std::vector<std::function<void()>> stops = {
        [&] { input.leftButtonDown(); },
        [&] { RunMouseAction(state, 7); },
        [&] { RunCommand(state, 12); },
    };
    for (const auto& stop : stops) {
        WheelTurned(state, -120);
        ASSERT_TRUE(SmoothScrollRunning(state.navigation));
        stop();
        EXPECT_FALSE(SmoothScrollRunning(state.navigation));
        EXPECT_FALSE(state.navigation.smoothScrollTimer.isActive());
        input.leftButtonUp();
    }
}

TEST_F(Navigation, TheWheelZoomsTurnsPagesOrScrolls)
{
    state.settings.mousewheelact = 0;
    state.settings.mousewheelval = 50;
    WheelTurned(state, 120);
    WheelTurned(state, 120);
    EXPECT_EQ(state.view.zoom, 100);
    WheelTurned(state, 120);
    EXPECT_EQ(state.view.zoom, 100);
    WheelTurned(state, -120);
    EXPECT_EQ(state.view.zoom, 50);

    ScratchDir dir;
    openBook(state, dir, 3);
    state.settings.mousewheelact = 2;
    WheelTurned(state, -120);
    EXPECT_EQ(state.book.pageIndex, 1);
    WheelTurned(state, 120);
    EXPECT_EQ(state.book.pageIndex, 0);

    state.settings.smoothscroll = false;
    for (int act : {1, -5, 3, 1000}) {
        state.settings.mousewheelact = act;
        state.book.scrollY = 100;
        WheelTurned(state, -120);
        EXPECT_EQ(state.book.scrollY, 150) << act;
        WheelTurned(state, 120);
        WheelTurned(state, 120);
        EXPECT_EQ(state.book.scrollY, 50) << act;
    }
    EXPECT_EQ(state.book.pageIndex, 0) << "scrolling never turns the page";
}

TEST(WheelNotches, FineGrainedTurnsAddUpToWholeNotches)
{
    WheelNotches notches;
    EXPECT_EQ(notches.add(60), 0);
    EXPECT_EQ(notches.add(60), 1);
    EXPECT_EQ(notches.add(-240), -2);
    EXPECT_EQ(notches.add(0), 0);
    EXPECT_EQ(notches.add(360), 3);
}

TEST(NavigationMath, KeyboardStepsZoomAndSaturation)
{
    EXPECT_EQ(KeyboardScrollStep(false, 999), 5);
    EXPECT_EQ(KeyboardScrollStep(true, 999), 999);
    EXPECT_EQ(KeyboardScrollStep(true, -3), -3);
    EXPECT_EQ(ClampedZoom(95, 5), 100);
    EXPECT_EQ(ClampedZoom(100, 5), 100);
    EXPECT_EQ(ClampedZoom(3, -5), 0);
    EXPECT_EQ(ClampedZoom(0, INT64_MIN / 2), 0);
    EXPECT_EQ(SaturatingAdd(INT32_MAX, 1), INT32_MAX);
    EXPECT_EQ(SaturatingAdd(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(SaturatingAdd(10, -20), -10);
    EXPECT_EQ(DragScrollDelta({200, 200}, {210, 195}), QPoint(-20, 10));
}
