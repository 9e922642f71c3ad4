// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs' rules as plain functions: fields and sliders, the page-list icon, key capture and the
// one-clash rule, key names, info.bdi lines and the skin folders listed.

#include "app/CommandTable.h"
#include "app/FixedKeys.h"
#include "dialogs/JumpField.h"
#include "dialogs/info/InfoFile.h"
#include "dialogs/keys/KeyNames.h"
#include "dialogs/keys/KeySlotEdits.h"
#include "dialogs/preferences/PageListIcon.h"
#include "dialogs/preferences/SettingFields.h"
#include "dialogs/preferences/SkinFolders.h"
#include "support/TestState.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(DialogFields, ContrastDeadZoneWheelPixelsAndJumpClamp)
{
    for (const auto& [position, stored] : {std::pair{3, 0}, {-4, 0}, {4, 0}, {5, 5}, {-5, -5}, {-127, -127}})
        EXPECT_EQ(ContrastForSlider(position), stored) << position;
    EXPECT_EQ(ContrastSliderStart(0), -1);
    EXPECT_EQ(ContrastSliderStart(40), 40);

    const std::pair<const char*, int> wheel[] = {
        {"", 5},  {"0", 5},     {"000", 5},  {"abc", 5},
        {"7", 7}, {"999", 999}, {"12x", 12}, {"99999999999999999999", INT_MAX}};
    for (const auto& [text, stored] : wheel)
        EXPECT_EQ(WheelPixelsForField(QString::fromLatin1(text)), stored) << text;

    // field text, page count, slider position, "Jump" result
    const std::tuple<const char*, int, int, int> jumps[] = {
        {"3", 24, 3, 3},
        {"30", 24, 24, 30},
        {"0", 24, 1, 0},
        {"", 24, 1, 0},
        {"100000", 100000, 100000, 100000},
        {"99999999999999999999", 5, 5, INT_MAX},
        {"4", 0, 1, 4},
    };
    for (const auto& [text, count, slider, result] : jumps) {
        EXPECT_EQ(JumpSliderPosition(QString::fromLatin1(text), count), slider) << text;
        EXPECT_EQ(JumpResult(QString::fromLatin1(text)), result) << text;
    }
}

TEST(PageListIcon, CentredByTheDialogArithmeticAndNeverDividingByZero)
{
    EXPECT_EQ(PageIconPosition(0, 0, 116, 66), QPoint(42, 14));
    EXPECT_EQ(PageIconPosition(0, 66, 116, 132), QPoint(42, 80));
    EXPECT_EQ(PageIconPosition(0, 0, 0, 8), QPoint(0, 0)); // an entry with no width or height left
}

TEST(KeySlots, CaptureTogglesModifiersAndAssigningClearsOneClash)
{
    // The Controls page's own test drives a capture and an assignment through the window; here the edges.
    EXPECT_EQ(CaptureKeyPress(CaptureKeyPress({}, 17), 17), SlotKey{}); // Ctrl twice: no modifier

    const std::tuple<int, int, const char*> names[] = {
        {0, 0, "None"},    {0, 1, "ALT + "}, {13, 1, "ALT + Enter"}, {81, 2, "CTRL + Q"},
        {107, 0, "Num +"}, {88, 7, "X"},     {255, 0, ""},           {-3, 2, "CTRL + "},
    };
    for (const auto& [key, modifiers, text] : names)
        EXPECT_EQ(FormatKeyName(key, modifiers), QString::fromLatin1(text)) << key << " " << modifiers;
    EXPECT_EQ(KeySlotEntryText(ControlsPageNames().keySlots[4], 88, 0), QStringLiteral("Go to next page (X)"));

    AppState state;
    UseDefaultSettings(state);
    Settings& s = state.settings;
    const QList<int> order = {19, 5, 4, 3};
    // Two other slots with the key: only the first in list order is cleared.
    SetSlotKey(s, 3, {65, 0});
    SetSlotKey(s, 19, {65, 0});
    EXPECT_EQ(AssignSlotKey(s, order, 7, {65, 0}), 19);
    EXPECT_EQ(SlotKeyOf(s, 3), (SlotKey{65, 0}));
    EXPECT_EQ(AssignSlotKey(s, order, 8, {81, 1}), -1); // Alt+Q is nobody's: Q and Ctrl+Q keep theirs
    EXPECT_EQ(SlotKeyOf(s, 15), (SlotKey{81, 2}));
}

TEST(InfoFile, LineRules)
{
    const std::pair<QByteArray, QList<InfoEntry>> files[] = {
        {"[Book]\r\nTitle=Night Watch\r\nPages=24\r\nno equals here\r\n", {{"Title", "Night Watch"}, {"Pages", "24"}}},
        {"Comment=a=b\n\n=empty key\nYear=1987", {{"Comment", "a=b"}, {"", "empty key"}, {"Year", "1987"}}},
        {"ABCDEFGHIJKLMNOPQRSTUVWXY=25", {{"ABCDEFGHIJKLMNOPQRST", "25"}}},
        {"", {}},
        {QByteArray("\x00\x01\xff\xfe=\x80", 6),
         {{QString(QChar(0)) + QChar(1) + QChar(0xFFFD) + QChar(0xFFFD), QString(QChar(0xFFFD))}}},
        // A long line goes on as the next read: the second piece begins with "=", so its key is empty.
        {QByteArray(275, 'k') + "=v\n", {{"", "v"}}},
        {"Key=" + QByteArray(271, 'v') + "[x=y", {{"Key", QString(271, u'v')}}}, // "[x=y" is a line of its own
    };
    for (const auto& [bytes, entries] : files)
        EXPECT_EQ(ParseInfoFile(bytes), entries) << bytes.left(40).toStdString();

    ScratchDir dir;
    QByteArray huge;
    for (int line = 0; line < 100000; ++line)
        huge += "Key" + QByteArray::number(line) + '=' + QByteArray(line % 100 == 0 ? 10000 : 10, 'v') + '\n';
    const QList<InfoEntry> entries = ReadInfoFile(dir.write("info.bdi", huge));
    EXPECT_EQ(entries.size(), 100000); // a long line's later pieces hold no "="
    EXPECT_TRUE(ReadInfoFile(dir.file("missing.bdi")).isEmpty());
    EXPECT_TRUE(ReadInfoFile(dir.path()).isEmpty()); // a folder is no file
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.file("fifo.bdi")).constData(), 0600), 0);
    EXPECT_TRUE(ReadInfoFile(dir.file("fifo.bdi")).isEmpty()); // and a FIFO is never waited on
}

TEST(SkinFolders, FoldersOfEveryRootOnceSortedWithoutCase)
{
    ScratchDir first, second;
    for (const char* name : {"default", "Zebra", "with space", "Ärger", "b"})
        QDir().mkpath(first.file(QString::fromUtf8(name)));
    first.write("notes.txt", "not a skin");
    QDir().mkpath(second.file("default"));
    QDir().mkpath(second.file("Apple"));
    EXPECT_EQ(SkinFolderNames({first.path(), second.path() + "missing/", second.path()}),
              (QStringList{"Apple", "b", "default", "with space", "Zebra", QString::fromUtf8("Ärger")}));
    EXPECT_EQ(SkinFolderNames({first.path() + "missing/"}), std::nullopt);
    for (int i = 0; i < 200; ++i)
        QDir().mkpath(second.file(QStringLiteral("skin%1").arg(i)));
    EXPECT_EQ(SkinFolderNames({second.path()})->size(), 202);
}
