// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/NavigationMath.h"

#include <algorithm>
#include <limits>

std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b)
{
    const std::int64_t sum = std::int64_t(a) + std::clamp<std::int64_t>(b, INT32_MIN * 2LL, INT32_MAX * 2LL);
    return std::int32_t(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

QPoint DragScrollDelta(QPoint pressPoint, QPoint now)
{
    return 2 * (pressPoint - now);
}

std::int32_t KeyboardScrollStep(bool pixforkb, std::int32_t mousewheelval)
{
    return pixforkb ? mousewheelval : 5;
}

std::int32_t ClampedZoom(std::int32_t zoom, std::int64_t delta)
{
    return std::int32_t(std::clamp<std::int64_t>(std::int64_t(zoom) + delta, 0, 100));
}

bool HeldLongEnough(std::uint32_t nowTick, std::uint32_t pressTick)
{
    return ((nowTick - pressTick) & kTickMask) > kHoldToTurnMs;
}
