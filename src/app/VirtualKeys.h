#pragma once
// Virtual-key codes: the settings file keeps key slots in these numbers, so a table maps Qt's keys to
// them (US layout for the punctuation keys).

#include <Qt>

// The virtual-key code of a Qt key; `keypad` marks keys of the numeric keypad. 0 when there is none.
int VirtualKeyForQtKey(int qtKey, bool keypad);

class QKeyEvent;
struct KeyStroke;
KeyStroke KeyStrokeFromEvent(const QKeyEvent& event);
