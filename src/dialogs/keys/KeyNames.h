// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a key slot's key reads on the Controls page: "ALT + Enter", "CTRL + Q", "None".

#include <QString>

// The name of a virtual-key code ("Enter", "Up", "Num +", "Q", "F5"); empty for a code without one.
QString KeyName(int virtualKey);

// The modifier prefix ("ALT + ", "CTRL + ", "ALT + CTRL + "; nothing for any other code) followed by the
// key's name. No key (0 or less) reads "None" without modifiers and the bare prefix with them.
QString FormatKeyName(int virtualKey, int modifierCode);

// A slot's row in the Controls page's list: its name (string `nameId`), then the key in brackets:
// "Go to next page (X)".
QString KeySlotEntryText(int nameId, int virtualKey, int modifierCode);
