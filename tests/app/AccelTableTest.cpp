// SPDX-License-Identifier: GPL-3.0-or-later
// Key slots to accelerators, matching a key stroke, and Qt keys to the stored key codes.

#include "app/AccelTable.h"
#include "app/FixedKeys.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "dialogs/keys/VirtualKeys.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

TEST(AccelTable, StrokesMatchTheirSlotWithExactlyItsModifiers)
{
    Settings s = ReadSettings(SettingsReader(), QStringLiteral("/"));
    s.vk(0) = 0x10000 + 70; // only the low 16 bits count: F
    s.vk(1) = 0;            // an empty slot never matches
    s.vk(2) = 'q';          // a modifier code beyond 3: a typed character
    s.sk(2) = 7;
    s.sk(3) = 3; // Ctrl+Alt
    const AccelTable table = BuildAccelTable(s);
    using C = Command;
    constexpr std::nullopt_t none = std::nullopt;
    // virtual key, typed character, shift, ctrl, alt; the command sent
    const std::pair<KeyStroke, std::optional<Command>> strokes[] = {
        {{70}, C::ScrollUp},
        {{0}, none},
        {{0, 'q'}, C::ScrollLeft},
        {{0, 'q', false, false, true}, none},
        {{39, 0, false, true, true}, C::ScrollRight},
        {{39}, none},
        {{88}, C::Forward},
        {{81}, C::OpenDir},
        {{81, 0, false, true}, C::Close},
        {{13, 0, false, false, true}, C::Fullscreen},
        {{13}, none},
        {{88, 0, true}, none}, // Shift, which no slot carries, must be up
    };
    for (const auto& [stroke, command] : strokes)
        EXPECT_EQ(MatchAccelerator(table, stroke), command) << stroke.virtualKey << " " << stroke.character;
}

// The fixed keys act while no slot holds their key (with Ctrl and Alt up); Shift tells Space from
// Shift+Space, and the main keyboard's + and - take either.
TEST(AccelTable, FixedKeysGiveWayToTheSlots)
{
    Settings s = ReadSettings(SettingsReader(), QStringLiteral("/"));
    using C = Command;
    constexpr std::nullopt_t none = std::nullopt;
    const auto fixed = [&](KeyStroke stroke) { return MatchFixedKey(BuildAccelTable(s), stroke); };
    EXPECT_EQ(fixed({32}), C::ScrollOrForward);
    EXPECT_EQ(fixed({32, 0, true}), C::ScrollOrBack);
    EXPECT_EQ(fixed({8}), C::ScrollOrBack);
    EXPECT_EQ(fixed({34}), C::Forward);
    EXPECT_EQ(fixed({187, 0, true}), C::ZoomIn);
    EXPECT_EQ(fixed({189}), C::ZoomOut);
    EXPECT_EQ(fixed({27}), C::LeaveFullscreen);
    EXPECT_EQ(fixed({122}), C::Fullscreen);
    EXPECT_EQ(fixed({32, 0, false, true}), none);
    EXPECT_EQ(fixed({88}), none) << "X is a slot's key, not a fixed one";
    s.vk(4) = 32; // "next page" on Space: the slot wins, Shift+Space too gives way
    s.sk(12) = 0;
    s.vk(12) = 27;
    EXPECT_EQ(fixed({32}), none);
    EXPECT_EQ(fixed({32, 0, true}), none);
    EXPECT_EQ(fixed({27}), none);
    EXPECT_EQ(fixed({8}), C::ScrollOrBack);
}

TEST(VirtualKeys, QtKeysMapToTheStoredCodes)
{
    const std::tuple<int, bool, int> keys[] = {
        {Qt::Key_A, false, 65},      {Qt::Key_1, false, 49},      {Qt::Key_1, true, 97},    {Qt::Key_Plus, true, 107},
        {Qt::Key_Minus, false, 189}, {Qt::Key_Return, false, 13}, {Qt::Key_F5, false, 116}, {Qt::Key_unknown, true, 0},
    };
    for (const auto& [qtKey, keypad, vk] : keys)
        EXPECT_EQ(VirtualKeyForQtKey(qtKey, keypad), vk) << qtKey;
    const KeyStroke ctrlQ = KeyStrokeFromEvent(QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier, "\x11"));
    EXPECT_EQ(std::tuple(ctrlQ.virtualKey, ctrlQ.character, ctrlQ.ctrl, ctrlQ.alt), std::tuple(81, 0x11, true, false));
}
