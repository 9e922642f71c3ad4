// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/WheelInput.h"

WheelBehaviour WheelBehaviourFor(std::int32_t mousewheelact)
{
    switch (mousewheelact) {
    case 0: return WheelBehaviour::Zoom;
    case 2: return WheelBehaviour::TurnPages;
    default: return WheelBehaviour::Scroll;
    }
}

int WheelNotches::add(int angleDelta)
{
    constexpr int kNotch = 120;
    m_pending += angleDelta;
    const int notches = m_pending / kNotch;
    m_pending -= notches * kNotch;
    return notches;
}
