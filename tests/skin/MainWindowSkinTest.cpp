// The main window with a skin: its pointer gestures, the text it shows, and the placement rules it
// follows when the grip, the window manager or a stored placement size it.

#include "app/AppState.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/PopupMenu.h"
#include "app/PresentPage.h"
#include "app/ViewPlacement.h"
#include "app/WindowGrip.h"
#include "skin/SkinLayoutFile.h"
#include "support/TestState.h"
#include "view/PageView.h"

#include "SkinFixture.h"

#include <QCoreApplication>
#include <QMenu>
#include <climits>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {
const QByteArray kLayout = "INIT:1|3|1|1|\n"
                           "MOVE:0|0|-1|20|EOD\n"
                           "SIZE:-16|-16|-1|-1|EOD\n"
                           "BMP:0|20|0|-30|EOD\n"
                           "REGION:0|0|-1|-1|0|0|10|10|0|EOD\n"
                           "BUTTON:10|-25|16|16|0|0|stretch|EOD\n"
                           "BUTTON:40|-25|16|16|16|0|minimize|EOD\n"
                           "BUTTON:70|-25|16|16|32|0|open|EOD\n"
                           "SLIDER:100|-20|80|10|48|0|0|5|zoom|EOD\n"
                           "TEXT:200|-25|-20|8|12|0|50|main|EOD\n";

class MainWindowSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        const QString folder = WriteSkin(dir, "test", kLayout);
        ASSERT_TRUE(LoadSkinLayout(state.skin, folder) && LoadSkinBitmaps(state.skinBitmaps, folder));
        window = std::make_unique<MainWindow>(state);
        state.windows = {window.get(), window->pageView()};
        window->show();
    }
    void TearDown() override { state.windows = {}; }

    void mouse(QEvent::Type type, QPoint local, Qt::KeyboardModifiers modifiers = {})
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, window->mapToGlobal(local), button, held, modifiers);
        QCoreApplication::sendEvent(window.get(), &event);
    }
    void click(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
    {
        mouse(QEvent::MouseButtonPress, from, modifiers);
        mouse(QEvent::MouseMove, to, modifiers);
        mouse(QEvent::MouseButtonRelease, to, modifiers);
    }

    ScratchDir dir;
    MessageRecorder messages;
    AppState state;
    std::unique_ptr<MainWindow> window;
};
} // namespace

TEST_F(MainWindowSkin, ButtonsRunOnReleaseCtrlDragsInstead)
{
    const QPoint stretch(18, 430 - 17), minimize(48, 430 - 17);
    click(stretch, stretch, Qt::ControlModifier);
    EXPECT_FALSE(state.view.stretched);
    EXPECT_EQ(window->pos(), QPoint(20, 20)); // released where it was pressed: no move

    const QPoint before = window->pos();
    mouse(QEvent::MouseButtonPress, stretch, Qt::ControlModifier);
    mouse(QEvent::MouseMove, stretch + QPoint(30, 20), Qt::ControlModifier);
    mouse(QEvent::MouseButtonRelease, stretch, Qt::ControlModifier);
    EXPECT_EQ(window->pos(), before + QPoint(30, 20));
    EXPECT_EQ(QPoint(state.settings.wndxpos, state.settings.wndypos), window->pos());
    EXPECT_FALSE(state.view.stretched);

    click(stretch, stretch);
    EXPECT_TRUE(state.view.stretched);
    click(minimize, stretch); // pressed on one, released on the other: the other runs
    EXPECT_FALSE(state.view.stretched);
    EXPECT_FALSE(window->isMinimized());
    click(stretch, QPoint(300, 300)); // released over no button
    EXPECT_FALSE(state.view.stretched);
}

TEST_F(MainWindowSkin, TheGripSnapsAndTheWindowManagerIsFollowed)
{
    mouse(QEvent::MouseButtonPress, QPoint(595, 425));
    mouse(QEvent::MouseMove, QPoint(412, 160));
    mouse(QEvent::MouseButtonRelease, QPoint(412, 160));
    EXPECT_EQ(window->size(), QSize(450, 180));
    EXPECT_EQ(QSize(state.settings.wndwidth, state.settings.wndheight), QSize(450, 180));
    EXPECT_EQ(window->pageView()->geometry(), QRect(0, 20, 450, 130));

    window->resize(800, 500); // a tiling layout or a maximise
    EXPECT_EQ(QSize(state.settings.wndwidth, state.settings.wndheight), QSize(800, 500));
    EXPECT_EQ(window->pageView()->geometry(), QRect(0, 20, 800, 450));
}

TEST_F(MainWindowSkin, TheZoomSliderAndTheTextFollowTheProgram)
{
    click(QPoint(120, 430 - 15), QPoint(120, 430 - 15));
    EXPECT_EQ(state.view.zoom, 25);
    SetZoom(state, 50);
    EXPECT_EQ(state.skin.sliders.records[0].value, 40);

    ShowMainText(state, "B");
    window->grab(); // a paint of the whole window
    const QRgb cell = window->picture().pixel(200, 430 - 25); // glyph "B" is cell 34 of the strip at y 50
    EXPECT_EQ(std::tuple(qRed(cell), qGreen(cell)), std::tuple((34 * 8) & 255, 50));
    EXPECT_EQ(window->windowTitle(), "B");
}

TEST_F(MainWindowSkin, TheOpenButtonsRightClickShowsTheOpenMenu)
{
    int shown = 0;
    const MenuTracker previous = SetMenuTracker([&shown](QMenu&, const QPoint&) { return ++shown, 0; });
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(78, 430 - 17), window->mapToGlobal(QPointF(78, 430 - 17)),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &right);
    QMouseEvent elsewhere(QEvent::MouseButtonPress, QPointF(18, 430 - 17), window->mapToGlobal(QPointF(18, 430 - 17)),
                          Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &elsewhere);
    SetMenuTracker(previous);
    EXPECT_EQ(shown, 1);
}

TEST(WindowPlacement, GripSnapsAndMinimums)
{
    const struct {
        QPoint pointer;
        QSize size;
    } cases[] = {{{412, 430}, {450, 430}}, {{398, 430}, {400, 430}}, {{349, 430}, {600, 430}},
                 {{600, 85}, {600, 430}},  {{600, 160}, {600, 180}}, {{-20, -20}, {600, 430}}};
    for (const auto& c : cases)
        EXPECT_EQ(GripResize(c.pointer, {600, 430}), c.size) << c.pointer.x() << "," << c.pointer.y();
}

TEST(WindowPlacement, APageAreaEndingBeforeItStartsIsEmpty)
{
    EXPECT_EQ(PlacePageView({100, 100, 50, 50}, 600, 430), QRect(100, 100, 0, 0));
    EXPECT_EQ(PlacePageView({INT_MIN, 0, INT_MAX, 0}, 600, 430), QRect(-32767, 0, 32767, 430));
}

TEST(WindowPlacement, AStoredPlacementIsBroughtOntoTheScreen)
{
    const QRect screen(0, 0, 1920, 1080), second(1920, 0, 1280, 1024);
    const struct {
        QRect stored, usable;
    } cases[] = {
        {{20, 20, 600, 430}, {20, 20, 600, 430}},
        {{2000, 100, 800, 600}, {2000, 100, 800, 600}},            // on the second screen
        {{-32767, 32767, 1, 1}, {660, 325, 600, 430}},             // nowhere and tiny
        {{1870, 1050, 600, 430}, {660, 325, 600, 430}},            // a corner of it only
        {{-100, -20, 3000, 2000}, {-100, -20, 3000, 2000}},        // larger than the screen, but on it
        {{5000, 5000, 3000, 2000}, {0, 0, 3000, 2000}},            // larger and off it
    };
    for (const auto& c : cases)
        EXPECT_EQ(UsablePlacement(c.stored, {screen, second}, screen), c.usable) << c.stored.x();
}
