// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with a skin: its pointer gestures, the text it shows, and the grip and the window
// manager sizing it.

#include "app/AppState.h"
#include "app/CommandTable.h"
#include "app/MainWindow.h"
#include "app/PopupMenu.h"
#include "app/PresentPage.h"
#include "skin/SkinLayoutFile.h"
#include "support/TestState.h"
#include "view/PageView.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {
const QByteArray kLayout = "INIT:0|3|1|1|\nMOVE:0|0|-1|20|EOD\nSIZE:-16|-16|-1|-1|EOD\nBMP:0|20|0|-30|EOD\n"
                           "BUTTON:10|-25|16|16|0|0|stretch|EOD\nBUTTON:40|-25|16|16|16|0|minimize|EOD\n"
                           "BUTTON:70|-25|16|16|32|0|open|EOD\nSLIDER:100|-20|80|10|48|0|0|5|zoom|EOD\n"
                           "TEXT:200|-25|-20|8|12|0|50|main|EOD\n";

class MainWindowSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        const QString folder = WriteSkin(dir, "test", kLayout);
        Messages said;
        ASSERT_TRUE(LoadSkinLayout(state.skin, folder, said) && LoadSkinBitmaps(state.skinBitmaps, folder, said));
        window = std::make_unique<MainWindow>(state);
        state.windows = {window.get(), window->pageView(), window->shelfView()};
        window->show();
    }
    void TearDown() override { state.windows = {}; }

    void mouse(QEvent::Type type, QPoint at, Qt::KeyboardModifiers keys = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, at, window->mapToGlobal(at), changed, held, keys);
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
    const QPoint stretch(18, 430 - 17), minimize(48, 430 - 17), start = window->pos();
    click(stretch, stretch, Qt::ControlModifier); // released where it was pressed: no move, no press
    EXPECT_EQ(std::pair(window->pos(), state.view.stretched), std::pair(start, false));
    mouse(QEvent::MouseButtonPress, stretch, Qt::ControlModifier);
    mouse(QEvent::MouseMove, stretch + QPoint(30, 20), Qt::ControlModifier);
    mouse(QEvent::MouseButtonRelease, stretch, Qt::ControlModifier);
    EXPECT_EQ(window->pos(), start + QPoint(30, 20));
    EXPECT_EQ(QPoint(state.settings.wndxpos, state.settings.wndypos), window->pos());
    EXPECT_FALSE(state.view.stretched);

    click(stretch, stretch);
    EXPECT_TRUE(state.view.stretched);
    click(minimize, stretch); // pressed on one, released on the other: the other runs
    EXPECT_EQ(std::pair(state.view.stretched, window->isMinimized()), std::pair(false, false));
    click(stretch, QPoint(300, 300)); // released over no button
    EXPECT_FALSE(state.view.stretched);

    // A right click on the open button shows the open menu; on another button nothing.
    int shown = 0;
    const MenuTracker previous = SetMenuTracker([&shown](QMenu&, const QPoint&) { return ++shown, 0; });
    mouse(QEvent::MouseButtonPress, QPoint(78, 430 - 17), {}, Qt::RightButton);
    mouse(QEvent::MouseButtonPress, stretch, {}, Qt::RightButton);
    SetMenuTracker(previous);
    EXPECT_EQ(shown, 1);
}

// The grip snaps the size to steps of 50 and keeps a side below its minimum as it was. Each row starts
// from a resize as the window manager makes it, which the settings must follow for the grip to start from.
TEST_F(MainWindowSkin, TheGripSnapsAndTheWindowManagerIsFollowed)
{
    const std::pair<QPoint, QSize> cases[] = {
        {{412, 430}, {450, 430}}, {{398, 430}, {400, 430}}, {{349, 430}, {600, 430}}, {{600, 85}, {600, 430}},
        {{600, 160}, {600, 180}}, {{-20, -20}, {600, 430}}, {{412, 160}, {450, 180}}};
    for (const auto& [pointer, size] : cases) {
        window->resize(600, 430);
        click(QPoint(595, 425), pointer);
        EXPECT_EQ(window->size(), size) << pointer.x() << "," << pointer.y();
    }
    EXPECT_EQ(QSize(state.settings.wndwidth, state.settings.wndheight), QSize(450, 180));
    EXPECT_EQ(window->pageView()->geometry(), QRect(0, 20, 450, 130));

    // A move by the window manager is followed too, but not one into full screen.
    window->move(window->pos() + QPoint(7, 9));
    EXPECT_EQ(QPoint(state.settings.wndxpos, state.settings.wndypos), window->pos());
    const QPoint kept = window->pos();
    state.view.fullscreen = true;
    window->move(kept + QPoint(50, 50));
    state.view.fullscreen = false;
    EXPECT_EQ(QPoint(state.settings.wndxpos, state.settings.wndypos), kept);
}

TEST_F(MainWindowSkin, TheZoomSliderAndTheTextFollowTheProgram)
{
    click(QPoint(120, 430 - 15), QPoint(120, 430 - 15));
    EXPECT_EQ(state.view.zoom, 25);
    SetZoom(state, 50);
    EXPECT_EQ(state.skin.sliders.records[0].value, 40);

    ShowMainText(state, "B");
    window->grab();                                           // a paint of the whole window
    const QRgb cell = window->picture().pixel(200, 430 - 25); // glyph "B" is cell 34 of the strip at y 50
    EXPECT_EQ(std::tuple(qRed(cell), qGreen(cell)), std::tuple((34 * 8) & 255, 50));
    EXPECT_EQ(window->windowTitle(), "B");
}
