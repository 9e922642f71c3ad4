// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small value rules of page navigation, kept apart from the widgets so they can be tested directly.

#include <QPoint>
#include <cstdint>

// a + b, held at the limits of a 32-bit int instead of wrapping (a hand-edited wheel step of
// -2147483648 must not wrap the scroll offset round to the far end).
std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b);

// Dragging moves the page with the hand at twice its speed: the change of the scroll offset when the
// pointer moved from `pressPoint` to `now`.
QPoint DragScrollDelta(QPoint pressPoint, QPoint now);

// The scroll step of the arrow-key commands.
std::int32_t KeyboardScrollStep(bool pixforkb, std::int32_t mousewheelval);

// The zoom after a change by `delta` points, within 0..100.
std::int32_t ClampedZoom(std::int32_t zoom, std::int64_t delta);

// A press held longer than ten seconds turns the page on release. The press time is kept in the
// signed `nextonup` setting, so ticks are counted in 31 bits; the difference is taken in the same 31
// bits and stays right across the counter's wrap.
inline constexpr std::uint32_t kTickMask = 0x7fffffffu;
bool HeldLongEnough(std::uint32_t nowTick, std::uint32_t pressTick);
inline constexpr std::uint32_t kHoldToTurnMs = 10000;
