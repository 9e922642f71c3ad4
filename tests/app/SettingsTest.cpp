// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: how its lines become entries (reads of at most 275 bytes, NUL bytes, files that
// are missing, huge or garbage), the values a hand-edited file gives, the previous-run group, the round
// trip, and writing the file whole or not at all.

#include "app/SettingsFile.h"
#include "app/SettingsReader.h"

#include "TestSupport.h"

#include <QDir>
#include <climits>
#include <gtest/gtest.h>

namespace {
Settings read(const QByteArray& text)
{
    return ReadSettings(SettingsReader::fromText(text), QStringLiteral("/opt/bv/"));
}
} // namespace

TEST(SettingsReader, LineRules)
{
    const char text[] = "[Settings]\nremark without equals\n\n"
                        "skinname = blue\n" // blanks belong to the key and the value
                        "langfile=first\r\nlangfile=second\na=b=c\nverylongkeynamethatexceedstwenty=1\n"
                        "nul=12\0junk\nlast=no newline";
    const SettingsReader r = SettingsReader::fromText(QByteArrayView(text, sizeof text - 1));
    // Keys are case-sensitive and cut to 20 bytes, the first of two wins, and a NUL ends the line.
    const std::pair<const char*, const char*> found[] = {
        {"skinname", "?"}, {"skinname ", " blue"}, {"langfile", "first"},  {"a", "b=c"}, {"verylongkeynamethate", "1"},
        {"Langfile", "?"}, {"nul", "12"},          {"last", "no newline"},
    };
    for (const auto& [key, value] : found)
        EXPECT_EQ(r.lookup(key, "?"), value) << key;
    EXPECT_EQ(r.count(), 7);

    // A 600-byte line comes back as reads of 275, 275 and 50 bytes; the second read holds "=", so it
    // becomes an entry of its own.
    const SettingsReader pieces = SettingsReader::fromText("k=" + QByteArray(373, 'a') + "=tail" + QByteArray(170, 'c')
                                                           + "rest=9\n");
    ASSERT_EQ(pieces.count(), 3);
    EXPECT_EQ(pieces.entry(0).value.size(), 273);
    EXPECT_EQ(pieces.entry(1).key, QByteArray(20, 'a'));
    EXPECT_EQ(pieces.lookup("rest", ""), "9");
}

TEST(SettingsReader, MissingAndGarbageFilesLoad)
{
    ScratchDir dir;
    EXPECT_EQ(SettingsReader(dir.file("nothing.ini")).count(), 0);
    EXPECT_EQ(SettingsReader(dir.path()).count(), 0);                                    // a directory
    EXPECT_GE(SettingsReader(dir.write("garbage.ini", NoiseBytes(1 << 20))).count(), 0); // only that it loads
}

TEST(SettingsFile, HandEditedValues)
{
    const std::pair<const char*, int> numbers[] = {
        {"  -7", -7},
        {"+3", 3},
        {"\t42abc", 42},
        {"abc", 0},
        {"", 0},
        {"- 5", 0},
        {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", INT_MIN}, // saturated, never wrapped
    };
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(SettingsInt(text), value) << text;
    const Settings s = read("wndxpos=abc\nhalftone=True\nnorm=true \nmousewheelval=5000\n"
                            "contrastval=500\ndblleftm=70000\nrightm=-1\n");
    // A malformed number is 0, not the default; flags are "true" exactly; the wheel step stops at 999; the
    // contrast table has no meaning beyond ±127; the 16-bit mouse codes wrap.
    EXPECT_EQ(std::tuple(s.wndxpos, s.halftone, s.norm, s.mousewheelval, s.contrastval, s.dblleftm, s.rightm),
              std::tuple(0, false, false, 999, 127, Settings::Short(4464), Settings::Short(-1)));
    EXPECT_EQ(read("mousewheelval=-3\ncontrastval=-900\n").contrastval, -127);
    // The reading options take "true" or "false"; anything else, or no line at all, is the default.
    EXPECT_FALSE(read("").naturalorder);
    EXPECT_TRUE(read("naturalorder=true\n").naturalorder);
    EXPECT_FALSE(read("naturalorder=yes\n").naturalorder);
    const Settings none = read("");
    EXPECT_EQ(std::tuple(none.doublepage, none.coveralone, none.mangaorder), std::tuple(false, true, false));
    const Settings odd = read("doublepage=true\ncoveralone=yes\nmangaorder=TRUE\n");
    EXPECT_EQ(std::tuple(odd.doublepage, odd.coveralone, odd.mangaorder), std::tuple(true, true, false));
    EXPECT_FALSE(read("coveralone=false\n").coveralone);
    const QByteArray longText(270, 'x');
    const Settings cut = read("currentdir=" + longText + "\nskinname=" + longText + "\n");
    // Texts are cut to 259 characters, the skin's name only to what one 275-byte read holds.
    EXPECT_EQ(std::pair(cut.currentdir.size(), cut.skinname.size()), std::pair(qsizetype(259), qsizetype(266)));
}

TEST(SettingsFile, RoundTripKeepsEveryValueDropsTheRestAndWritesTheOpenBooksPlace)
{
    const QByteArray hand = "[Settings]\nlangfile=default\nlangfile=second\nunknown=1\nwndxpos=-15\n"
                            "halftonezoom=true\nskinname=Blue Sky\nvk4=300\nsk4=3\nmiddlem=-2\n"
                            "currentdir=/home/reader/Comics/Ünïcode/\n";
    const QByteArray written = SettingsFileText(read(hand), {});
    EXPECT_FALSE(written.contains("unknown") || written.contains("second"));
    EXPECT_TRUE(written.contains("currentdirdir=/opt/bv/\n")) << "a folder not given is the program's own";
    EXPECT_EQ(SettingsFileText(read(written), {}), written);
    const Settings again = read(written);
    EXPECT_EQ(std::tuple(again.wndxpos, again.vk(4), again.middlem, again.halftonezoom, again.currentdir),
              std::tuple(-15, 300, Settings::Short(-2), true, QStringLiteral("/home/reader/Comics/Ünïcode/")));

    // The previous-run group tells where the open book is; with none open, what was read is kept.
    const QByteArray group = "previousbook=/books/a.cbz\npreviouspage=4\npreviousx=1\npreviousy=2\n";
    EXPECT_TRUE(SettingsFileText(read(group), {}).contains(group));
    const QByteArray now = SettingsFileText(read(group), {QStringLiteral("/books/b\r\nc.cbz"), 9, -3, 40});
    EXPECT_TRUE(now.contains("previousbook=/books/bc.cbz\npreviouspage=9\npreviousx=-3\npreviousy=40\n"))
        << "a line break would split the text into two entries";
}

TEST(SettingsFile, WriteReplacesTheFileWholeOrSaysItCannot)
{
    ScratchDir dir;
    const QString path = dir.write("bullevista.ini", "wndxpos=5\n");
    ASSERT_TRUE(WriteSettings(path, read(""), {}));
    EXPECT_EQ(ReadWholeFile(path), SettingsFileText(read(""), {}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary left
    EXPECT_FALSE(WriteSettings(dir.file("missing/folder/bullevista.ini"), read(""), {}));
    EXPECT_FALSE(WriteSettings(QString(), read(""), {}));
}
