// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse wheel over the main window: zoom, turn pages or scroll, as `mousewheelact` says.
// The commands themselves run in the app (WheelTurned).

#include <cstdint>

enum class WheelBehaviour { Zoom, TurnPages, Scroll };

// 0 zooms, 2 turns pages, any other value scrolls.
WheelBehaviour WheelBehaviourFor(std::int32_t mousewheelact);

// Collects the wheel's eighths of a degree into whole notches of 120, so a fine-grained wheel or a
// touchpad gives one turn per notch instead of one per event. Returns the notches completed (signed).
class WheelNotches {
public:
    int add(int angleDelta);

private:
    int m_pending = 0;
};
