// Key slots to accelerators, matching a key stroke, and Qt keys to the stored key codes.

#include "app/AccelTable.h"
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
