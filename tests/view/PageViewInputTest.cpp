// The page view's mouse input in a real (offscreen) window: presses, the auto-scroll timer, the
// gestures, the popup ending a press, and the wheel reaching the main window.

#include "app/AppHooks.h"
#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/PopupMenu.h"
#include "support/TestState.h"
#include "view/PageView.h"
#include "view/PageViewInput.h"

#include <QMenu>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

class PageViewInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        window = std::make_unique<MainWindow>(state);
        state.windows = {window.get(), window->pageView()};
        window->show();
        view = window->pageView();
        input = view->findChild<PageViewInput*>();
        state.book.current.pixels = QImage(400, 4000, QImage::Format_RGB32);
        state.book.current.pixels.fill(Qt::gray);
    }
    void TearDown() override
    {
        window.reset();
    }

    AppState state;
    AppHooks hooks{state};
    std::unique_ptr<MainWindow> window;
    PageView* view = nullptr;
    PageViewInput* input = nullptr;
};

} // namespace

TEST_F(PageViewInputTest, ALeftPressRunsTheAutoScrollTimerUntilRelease)
{
    ASSERT_NE(input, nullptr);
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_TRUE(state.navigation.leftDown);
    EXPECT_TRUE(input->autoScrollTimer().isActive());
    EXPECT_EQ(input->autoScrollTimer().interval(), 50);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_FALSE(state.navigation.leftDown);
    EXPECT_FALSE(input->autoScrollTimer().isActive());
}

TEST_F(PageViewInputTest, ThePopupEndsAPressAndTheRightButtonTogglesWhileTheLeftIsHeld)
{
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QTest::mousePress(view, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_TRUE(state.view.stretched) << "leftrightm 3";
    QTest::mouseRelease(view, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    int shown = 0;
    MenuTracker previous = SetMenuTracker([&](QMenu&, const QPoint&) {
        ++shown;
        return 0;
    });
    state.settings.rightm = 2;
    QTest::mousePress(view, Qt::RightButton, Qt::NoModifier, QPoint(50, 50)); // rightm: left still held
    EXPECT_EQ(shown, 0);
    state.settings.leftrightm = 2;
    QTest::mousePress(view, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(state.navigation.leftDown) << "the popup ends the left-button gesture";
    EXPECT_FALSE(input->autoScrollTimer().isActive());
    SetMenuTracker(std::move(previous));
}

// (Over the page view the wheel reaches the main window by propagation, which Qt gives only to events
// from the window system; the tests hand the wheel to the main window.)
TEST_F(PageViewInputTest, TheWheelScrollsThePageThroughTheMainWindow)
{
    state.settings.smoothscroll = false;
    QWheelEvent wheel(QPointF(50, 50), view->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.get(), &wheel);
    EXPECT_EQ(state.book.scrollY, 50);
}

TEST_F(PageViewInputTest, SmoothScrollingStopsWhereThePaintFindsThePageEnd)
{
    state.book.scrollY = 3990;
    state.settings.mousewheelval = 999;
    QWheelEvent wheel(QPointF(50, 50), view->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.get(), &wheel);
    EXPECT_EQ(state.navigation.smoothTarget, 4000);
    QTRY_COMPARE_WITH_TIMEOUT(state.navigation.smoothDirection, 0, 2000);
    EXPECT_LT(state.book.scrollY, 4000) << "the paint keeps the view on the page";
}
