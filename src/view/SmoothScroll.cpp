#include "view/SmoothScroll.h"

#include "app/AppState.h"
#include "view/NavigationMath.h"
#include "view/PageView.h"

bool SmoothScrollNotch(SmoothScrollMotion& motion, std::int32_t scrollY, std::int32_t pageHeight, bool down,
                       std::int32_t step)
{
    const int direction = down ? 1 : -1;
    const bool start = motion.smoothDirection == 0;
    if (motion.smoothDirection == direction) {
        motion.smoothTarget = SaturatingAdd(motion.smoothTarget, std::int64_t(direction) * step);
    } else {
        motion.smoothDirection = direction;
        motion.smoothTarget = SaturatingAdd(scrollY, std::int64_t(direction) * step);
    }
    if (down && motion.smoothTarget > pageHeight)
        motion.smoothTarget = pageHeight;
    if (!down && motion.smoothTarget < 0)
        motion.smoothTarget = 0;
    return start;
}

bool SmoothScrollAdvance(SmoothScrollMotion& motion, std::int32_t& scrollY)
{
    if (motion.smoothDirection == 0)
        return true;
    if (motion.smoothDirection > 0) {
        scrollY = SaturatingAdd(scrollY, kSmoothScrollStepPx);
        if (scrollY >= motion.smoothTarget) {
            scrollY = motion.smoothTarget;
            return true;
        }
    } else {
        scrollY = SaturatingAdd(scrollY, -kSmoothScrollStepPx);
        if (scrollY <= motion.smoothTarget) {
            scrollY = motion.smoothTarget;
            return true;
        }
    }
    return false;
}

namespace {
void redrawPageView(AppState& state)
{
    if (state.windows.pageView)
        state.windows.pageView->update();
}
} // namespace

void SmoothScrollWheel(AppState& state, bool down)
{
    NavigationState& nav = state.navigation;
    SmoothScrollMotion motion{nav.smoothDirection, nav.smoothTarget};
    SmoothScrollNotch(motion, state.book.scrollY, state.book.current.height(), down, state.settings.mousewheelval);
    nav.smoothDirection = motion.smoothDirection;
    nav.smoothTarget = motion.smoothTarget;
    if (!nav.smoothScrollTimer.isActive()) {
        if (!nav.smoothTimerConnected) {
            nav.smoothScrollTimer.setTimerType(Qt::PreciseTimer);
            nav.smoothScrollTimer.setInterval(kSmoothScrollPeriodMs);
            QObject::connect(&nav.smoothScrollTimer, &QTimer::timeout, [&state] { SmoothScrollStep(state); });
            nav.smoothTimerConnected = true;
        }
        nav.smoothScrollTimer.start();
    }
}

void SmoothScrollStep(AppState& state)
{
    NavigationState& nav = state.navigation;
    SmoothScrollMotion motion{nav.smoothDirection, nav.smoothTarget};
    if (SmoothScrollAdvance(motion, state.book.scrollY))
        StopSmoothScroll(state);
    redrawPageView(state);
}

void StopSmoothScroll(AppState& state)
{
    NavigationState& nav = state.navigation;
    nav.smoothScrollTimer.stop();
    nav.smoothDirection = 0;
}

bool SmoothScrollRunning(const AppState& state)
{
    return state.navigation.smoothDirection != 0;
}
