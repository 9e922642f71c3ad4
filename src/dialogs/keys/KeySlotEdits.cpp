// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/keys/KeySlotEdits.h"

namespace {
constexpr int kVirtualCtrl = 17;
constexpr int kVirtualAlt = 18;
} // namespace

SlotKey CaptureKeyPress(SlotKey pending, int virtualKey)
{
    // Every press toggles, auto-repeats included, so the code stays within 0..3.
    if (virtualKey == kVirtualCtrl)
        pending.modifierCode ^= 2;
    else if (virtualKey == kVirtualAlt)
        pending.modifierCode ^= 1;
    else
        pending.virtualKey = virtualKey & 0xFFFF;
    return pending;
}

SlotKey SlotKeyOf(const Settings& settings, int slot)
{
    return {settings.vk(slot), settings.sk(slot)};
}

void SetSlotKey(Settings& settings, int slot, SlotKey key)
{
    settings.vk(slot) = key.virtualKey;
    settings.sk(slot) = key.modifierCode;
}

int AssignSlotKey(Settings& settings, const QList<int>& listOrder, int slot, SlotKey key)
{
    SetSlotKey(settings, slot, key);
    for (int other : listOrder) {
        if (other != slot && other >= 0 && other < Settings::kKeySlots && SlotKeyOf(settings, other) == key) {
            SetSlotKey(settings, other, {});
            return other;
        }
    }
    return -1;
}
