#include "app/AccelTable.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "app/VirtualKeys.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {
Settings defaults()
{
    return ReadSettings(SettingsReader(), QStringLiteral("/"));
}

KeyStroke key(int vk, bool ctrl = false, bool alt = false, bool shift = false)
{
    KeyStroke k;
    k.virtualKey = vk;
    k.ctrl = ctrl;
    k.alt = alt;
    k.shift = shift;
    return k;
}
} // namespace

TEST(AccelTable, FlagBytesFromModifierCodes)
{
    EXPECT_EQ(AccelFlagsForModifier(0), 1);
    EXPECT_EQ(AccelFlagsForModifier(1), 17);
    EXPECT_EQ(AccelFlagsForModifier(2), 9);
    EXPECT_EQ(AccelFlagsForModifier(3), 25);
    EXPECT_EQ(AccelFlagsForModifier(4), 0);
    EXPECT_EQ(AccelFlagsForModifier(-1), 0);
}

TEST(AccelTable, DefaultKeysSendTheirCommands)
{
    const AccelTable table = BuildAccelTable(defaults());
    EXPECT_EQ(table[12].flags, 17);
    EXPECT_EQ(table[15].command, 16);
    EXPECT_EQ(MatchAccelerator(table, key(38)), 1);               // Up
    EXPECT_EQ(MatchAccelerator(table, key(88)), 5);               // X
    EXPECT_EQ(MatchAccelerator(table, key(81)), 9);               // Q
    EXPECT_EQ(MatchAccelerator(table, key(81, true)), 16);        // Ctrl+Q
    EXPECT_EQ(MatchAccelerator(table, key(13, false, true)), 13); // Alt+Enter
    EXPECT_EQ(MatchAccelerator(table, key(13)), 0);               // Enter alone
    EXPECT_EQ(MatchAccelerator(table, key(88, false, false, true)), 0); // Shift+X: modifiers must match
    EXPECT_EQ(MatchAccelerator(table, key(107)), 14);             // Num +
    EXPECT_EQ(MatchAccelerator(table, key(49)), 20);              // 1
}

TEST(AccelTable, SlotsKeepLow16BitsAndZeroNeverMatches)
{
    Settings s = defaults();
    s.vk(0) = 0x10000 + 70; // F
    s.vk(1) = 0;
    s.vk(2) = 'q';
    s.sk(2) = 7; // a character accelerator
    const AccelTable table = BuildAccelTable(s);
    EXPECT_EQ(MatchAccelerator(table, key(70)), 1);
    EXPECT_EQ(MatchAccelerator(table, key(0)), 0);
    KeyStroke typed;
    typed.character = 'q';
    EXPECT_EQ(MatchAccelerator(table, typed), 3);
}

TEST(VirtualKeys, QtKeysMapToTheStoredCodes)
{
    EXPECT_EQ(VirtualKeyForQtKey(Qt::Key_A, false), 65);
    EXPECT_EQ(VirtualKeyForQtKey(Qt::Key_1, false), 49);
    EXPECT_EQ(VirtualKeyForQtKey(Qt::Key_1, true), 97);
    EXPECT_EQ(VirtualKeyForQtKey(Qt::Key_Plus, true), 107);
    EXPECT_EQ(VirtualKeyForQtKey(Qt::Key_Minus, true), 109);
    EXPECT_EQ(VirtualKeyForQtKey(Qt::Key_Minus, false), 189);
    EXPECT_EQ(VirtualKeyForQtKey(Qt::Key_Return, false), 13);
    EXPECT_EQ(VirtualKeyForQtKey(Qt::Key_Home, false), 36);
    EXPECT_EQ(VirtualKeyForQtKey(Qt::Key_F5, false), 116);
    EXPECT_EQ(VirtualKeyForQtKey(Qt::Key_unknown, false), 0);

    const QKeyEvent ctrlQ(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier, QStringLiteral("\x11"));
    const KeyStroke stroke = KeyStrokeFromEvent(ctrlQ);
    EXPECT_EQ(stroke.virtualKey, 81);
    EXPECT_TRUE(stroke.ctrl);
    EXPECT_FALSE(stroke.alt);
    EXPECT_EQ(stroke.character, 0x11);
}
