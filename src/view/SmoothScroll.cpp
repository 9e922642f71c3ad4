// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/SmoothScroll.h"

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

void SmoothScrollWheel(ViewRecords records, bool down, PageView* pageView)
{
    NavigationState& nav = records.navigation;
    SmoothScrollMotion motion{nav.smoothDirection, nav.smoothTarget};
    SmoothScrollNotch(motion, records.book.scrollY, records.book.current.height(), down,
                      records.settings.mousewheelval);
    nav.smoothDirection = motion.smoothDirection;
    nav.smoothTarget = motion.smoothTarget;
    if (pageView && !pageView->smoothScrollTimer().isActive())
        pageView->smoothScrollTimer().start();
}

bool SmoothScrollStep(ViewRecords records)
{
    NavigationState& nav = records.navigation;
    if (!SmoothScrollRunning(nav))
        return false;
    SmoothScrollMotion motion{nav.smoothDirection, nav.smoothTarget};
    if (SmoothScrollAdvance(motion, records.book.scrollY))
        StopSmoothScroll(nav);
    return true;
}

void StopSmoothScroll(NavigationState& navigation)
{
    navigation.smoothDirection = 0;
}

bool SmoothScrollRunning(const NavigationState& navigation)
{
    return navigation.smoothDirection != 0;
}
