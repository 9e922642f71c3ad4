// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The edits the Controls page makes to the key slots, as plain functions over values.

#include "common/Settings.h"

#include <QList>

// A key and its modifier code (0 none, 1 Alt, 2 Ctrl, 3 Alt + Ctrl); (0, 0) is no key.
struct SlotKey {
    int virtualKey = 0;
    int modifierCode = 0;
    bool operator==(const SlotKey&) const = default;
};

// The pending key after one key press in the capture field: Ctrl and Alt toggle their part of the
// modifier code, any other key (its virtual-key code, 0 when it has none) replaces the key.
SlotKey CaptureKeyPress(SlotKey pending, int virtualKey);

SlotKey SlotKeyOf(const Settings& settings, int slot);
void SetSlotKey(Settings& settings, int slot, SlotKey key);

// Gives `slot` the key `key`, then clears the first other slot, in `listOrder` (the slots as the list
// shows them), that has the same key and modifiers: one clash is resolved per assignment. Returns the
// slot cleared, or -1.
int AssignSlotKey(Settings& settings, const QList<int>& listOrder, int slot, SlotKey key);
