// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Virtual-key codes: the settings file keeps key slots in these numbers, so a table maps Qt's keys to
// them (US layout for the punctuation keys).

#include <Qt>

// The virtual-key code of a Qt key; `keypad` marks keys of the numeric keypad. 0 when there is none.
int VirtualKeyForQtKey(int qtKey, bool keypad);

class QKeyEvent;

// One key press as the accelerators see it.
struct KeyStroke {
    int virtualKey = 0; // 0 when the key has no virtual-key code
    int character = 0;  // the typed character's code, 0 when none
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

KeyStroke KeyStrokeFromEvent(const QKeyEvent& event);
