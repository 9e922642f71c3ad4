// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys every reader expects, beyond the twenty key slots: Space, Backspace, Page Down/Up, the main
// keyboard's + and -, Esc and F11. Each runs its command only while no key slot holds the same key.

#include "app/AccelTable.h"
#include "app/CommandTable.h"

#include <QList>
#include <optional>

struct FixedKey {
    int virtualKey = 0;
    bool shift = false;    // Shift must be down (false: up)
    bool anyShift = false; // the + and - keys: with Shift or without, as the layout puts them
    Command command = {};
    int name = 0;                // the string id naming it on the Controls page, or 0 and:
    const char* ownName = nullptr; // its own text, in the "FixedKeys" context
};

const QList<FixedKey>& FixedKeys();

// The rows of the Controls page's fixed keys, in the active language.
QList<FixedKeyRow> FixedKeyRows();

// All the Controls page names: the command table's key slots and gestures, and the fixed keys.
ControlNames ControlsPageNames();

// The command of the fixed key `stroke` presses (Ctrl and Alt up); none when a key slot of `table`
// holds that key, or for any other key.
std::optional<Command> MatchFixedKey(const AccelTable& table, const KeyStroke& stroke);
