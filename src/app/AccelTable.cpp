// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AccelTable.h"

#include "common/Settings.h"

std::uint8_t AccelFlagsForModifier(std::int32_t modifierCode)
{
    switch (modifierCode) {
    case 0: return kAccelVirtKey;
    case 1: return kAccelVirtKey | kAccelAlt;
    case 2: return kAccelVirtKey | kAccelCtrl;
    case 3: return kAccelVirtKey | kAccelAlt | kAccelCtrl;
    default: return 0;
    }
}

AccelTable BuildAccelTable(const Settings& settings)
{
    AccelTable table;
    for (int i = 0; i < Settings::kKeySlots; ++i) {
        table[std::size_t(i)] = {AccelFlagsForModifier(settings.sk(i)),
                                 static_cast<std::uint16_t>(settings.vk(i) & 0xFFFF), *CommandWithKeySlot(i)};
    }
    return table;
}

std::optional<Command> MatchAccelerator(const AccelTable& table, const KeyStroke& stroke)
{
    for (const AccelEntry& e : table) {
        if (e.key == 0)
            continue;
        if (e.flags & kAccelVirtKey) {
            if (stroke.virtualKey == e.key && !stroke.shift && stroke.ctrl == bool(e.flags & kAccelCtrl)
                && stroke.alt == bool(e.flags & kAccelAlt))
                return e.command;
        } else if (stroke.character != 0 && stroke.character == e.key && !stroke.alt) {
            return e.command;
        }
    }
    return std::nullopt;
}
