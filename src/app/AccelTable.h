// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard accelerators built from the twenty key slots: each sends the command of its slot.

#include "app/CommandTable.h"
#include "common/Settings.h"
#include "dialogs/keys/VirtualKeys.h"

#include <array>
#include <cstdint>
#include <optional>

struct Settings;

struct AccelEntry {
    std::uint8_t flags = 0; // 1 virtual key, +16 Alt, +8 Ctrl; 0 matches a typed character code
    std::uint16_t key = 0;  // virtual-key code (or character code when flags is 0); 0 never matches
    Command command = {};
};

using AccelTable = std::array<AccelEntry, Settings::kKeySlots>;

inline constexpr std::uint8_t kAccelVirtKey = 1;
inline constexpr std::uint8_t kAccelCtrl = 8;
inline constexpr std::uint8_t kAccelAlt = 16;

// Flag byte for a slot's modifier code: 0 none, 1 Alt, 2 Ctrl, 3 Alt + Ctrl; anything else 0.
std::uint8_t AccelFlagsForModifier(std::int32_t modifierCode);

AccelTable BuildAccelTable(const Settings& settings);

// The command of the first entry that matches, none when none does. Virtual-key entries need exactly
// their modifiers (Shift, which no slot carries, must be up); character entries need Alt up.
std::optional<Command> MatchAccelerator(const AccelTable& table, const KeyStroke& stroke);
