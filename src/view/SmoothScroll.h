// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Smooth wheel scrolling: every notch moves a target, and a 15 ms timer walks the page toward it by
// 6 pixels a tick. Notches in the same direction extend the target instead of starting over.
//
// The timer is the page view's precise Qt timer on the user-interface thread, so the scroll offset,
// the target and the direction are only ever touched by that thread.

#include "view/ViewRecords.h"

#include <cstdint>

class PageView;

inline constexpr int kSmoothScrollPeriodMs = 15;
inline constexpr int kSmoothScrollStepPx = 6;

struct SmoothScrollMotion {
    int smoothDirection = 0; // 1 down, -1 up, 0 idle
    std::int32_t smoothTarget = 0;
};

// One notch down (`down`) or up by `step` pixels, from the offset `scrollY` on a page `pageHeight`
// rows high. Returns true when scrolling was idle and the timer must start.
bool SmoothScrollNotch(SmoothScrollMotion& motion, std::int32_t scrollY, std::int32_t pageHeight, bool down,
                       std::int32_t step);

// One tick: moves `scrollY` 6 pixels toward the target. Returns true when the target is reached
// (the offset is then exactly the target) and scrolling stops.
bool SmoothScrollAdvance(SmoothScrollMotion& motion, std::int32_t& scrollY);

// The machinery on the page's records: a wheel notch of `mousewheelval` pixels, and the page view's
// timer started (none runs without a view).
void SmoothScrollWheel(ViewRecords records, bool down, PageView* pageView);
// The tick of the SmoothScrollTimer: moves the page's vertical offset toward the target. False when
// scrolling was idle, so nothing moved.
bool SmoothScrollStep(ViewRecords records);
// Forgets the direction, so the timer stops at its next tick; does nothing while idle.
void StopSmoothScroll(NavigationState& navigation);
bool SmoothScrollRunning(const NavigationState& navigation);
