#include "app/SettingsFile.h"
#include "app/SettingsReader.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
Settings read(const QByteArray& text)
{
    return ReadSettings(SettingsReader::fromText(text), QStringLiteral("/opt/bv/"));
}
} // namespace

TEST(SettingsValues, IntegersReadLikeAtoi)
{
    struct Row { const char* text; int value; };
    const Row rows[] = {
        {"12", 12}, {"  -7", -7}, {"+3", 3}, {"42abc", 42}, {"abc", 0}, {"", 0}, {"- 5", 0},
        {"\t9", 9}, {"99999999999999999999", 2147483647}, {"-99999999999999999999", -2147483647 - 1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(SettingsInt(r.text), r.value) << r.text;
}

TEST(SettingsValues, FlagsAreTrueOnlyForExactTrue)
{
    EXPECT_TRUE(SettingsFlag("true"));
    EXPECT_FALSE(SettingsFlag("True"));
    EXPECT_FALSE(SettingsFlag("true "));
    EXPECT_FALSE(SettingsFlag("1"));
}

TEST(SettingsFile, DefaultsWhenEmpty)
{
    const Settings s = read("");
    EXPECT_EQ(s.wndxpos, 20);
    EXPECT_EQ(s.wndwidth, 600);
    EXPECT_EQ(s.wndheight, 430);
    EXPECT_EQ(s.skinname, "default");
    EXPECT_EQ(s.currentdir, "/opt/bv/");
    EXPECT_EQ(s.currentdirdir, "/opt/bv/");
    EXPECT_EQ(s.langfile, "none");
    EXPECT_EQ(s.nextonup, -1);
    EXPECT_TRUE(s.norm);
    EXPECT_FALSE(s.halftonezoom);
    EXPECT_EQ(s.leftrightm, 3);
    EXPECT_EQ(s.vk(12), 13);
    EXPECT_EQ(s.sk(12), 1);
    EXPECT_EQ(s.vk(15), 81);
    EXPECT_EQ(s.sk(15), 2);
    EXPECT_EQ(s.vk(19), 49);
}

TEST(SettingsFile, HandEditedValues)
{
    const Settings s = read("wndxpos=abc\nhalftone=True\nnorm=true \nmousewheelval=5000\n"
                            "contrastval=500\ndblleftm=70000\nrightm=-1\n");
    EXPECT_EQ(s.wndxpos, 0);          // present but malformed: 0, not the default
    EXPECT_FALSE(s.halftone);
    EXPECT_FALSE(s.norm);
    EXPECT_EQ(s.mousewheelval, 999);
    EXPECT_EQ(s.contrastval, 127);    // the contrast table has no meaning beyond ±127
    EXPECT_EQ(s.dblleftm, 4464);      // 16-bit: 70000 wraps
    EXPECT_EQ(s.rightm, -1);
    EXPECT_EQ(read("mousewheelval=-3\n").mousewheelval, -3);
    EXPECT_EQ(read("contrastval=-900\n").contrastval, -127);
}

TEST(SettingsFile, LongTextsAreCutButSkinNameIsNot)
{
    const QByteArray longText(270, 'x');
    const Settings s = read("currentdir=" + longText + "\nskinname=" + longText + "\n");
    EXPECT_EQ(s.currentdir.size(), 259);
    EXPECT_EQ(s.skinname.size(), 266); // all that one 275-byte read holds
}

TEST(SettingsFile, WritesSeventyLinesInTableOrder)
{
    const QList<QByteArray> lines = SettingsFileText(read(""), {}).split('\n');
    ASSERT_EQ(lines.size(), 71); // the last newline leaves an empty piece
    EXPECT_EQ(lines[0], "wndxpos=20");
    EXPECT_EQ(lines[4], "skinname=default");
    EXPECT_EQ(lines[5], "currentdir=/opt/bv/");
    EXPECT_EQ(lines[16], "wstretched=false");
    EXPECT_EQ(lines[17], "norm=true");
    EXPECT_EQ(lines[29], "leftrightm=3");
    EXPECT_EQ(lines[30], "vk0=38");
    EXPECT_EQ(lines[31], "sk0=0");
    EXPECT_EQ(lines[69], "sk19=0");
    EXPECT_TRUE(lines[70].isEmpty());
}

TEST(SettingsFile, PreviousRunGroupHasTwoSources)
{
    const Settings s = read("previousbook=/books/a.cbz\npreviouspage=4\npreviousx=1\npreviousy=2\n");
    const QByteArray kept = SettingsFileText(s, {});
    EXPECT_TRUE(kept.contains("previousbook=/books/a.cbz\npreviouspage=4\npreviousx=1\npreviousy=2\n"));
    const QByteArray now = SettingsFileText(s, {QStringLiteral("/books/b.cbz"), 9, -3, 40});
    EXPECT_TRUE(now.contains("previousbook=/books/b.cbz\npreviouspage=9\npreviousx=-3\npreviousy=40\n"));
}

TEST(SettingsFile, RoundTripKeepsEveryValueAndDropsTheRest)
{
    const QByteArray hand = "[Settings]\nlangfile=default\nlangfile=second\nunknown=1\nwndxpos=-15\n"
                            "halftonezoom=true\nskinname=Blue Sky\nvk4=300\nsk4=3\nmiddlem=-2\n"
                            "currentdir=/home/reader/Comics/Ünïcode/\n";
    const Settings first = read(hand);
    const QByteArray written = SettingsFileText(first, {});
    EXPECT_FALSE(written.contains("unknown"));
    EXPECT_EQ(written.count("langfile="), 1);
    EXPECT_TRUE(written.contains("langfile=default\n"));
    EXPECT_EQ(SettingsFileText(read(written), {}), written);
    const Settings second = read(written);
    EXPECT_EQ(second.wndxpos, -15);
    EXPECT_EQ(second.currentdir, first.currentdir);
    EXPECT_EQ(second.vk(4), 300);
    EXPECT_EQ(second.middlem, -2);
}

TEST(SettingsFile, TextsWithLineBreaksStayOnOneLine)
{
    Settings s = read("");
    const QByteArray text = SettingsFileText(s, {QStringLiteral("/books/odd\nname/"), 0, 0, 0});
    EXPECT_EQ(text.count('\n'), 70);
}

TEST(SettingsFile, WriteReplacesTheFileWhole)
{
    ScratchDir dir;
    const QString path = dir.write("bullevista.ini", "wndxpos=5\n");
    ASSERT_TRUE(WriteSettings(path, read(""), {}));
    EXPECT_EQ(ReadWholeFile(path), SettingsFileText(read(""), {}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary left
}

TEST(SettingsFile, UnwritablePlaceWritesNothing)
{
    ScratchDir dir;
    EXPECT_FALSE(WriteSettings(dir.file("missing/folder/bullevista.ini"), read(""), {}));
    EXPECT_FALSE(WriteSettings(QString(), read(""), {}));
    // A read-only folder: the old file stays as it was.
    const QString path = dir.write("ro/bullevista.ini", "wndxpos=5\n");
    QFile::setPermissions(dir.file("ro"), QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(dir.file("ro")).isWritable()) { // root writes anywhere
        EXPECT_FALSE(WriteSettings(path, read(""), {}));
        EXPECT_EQ(ReadWholeFile(path), "wndxpos=5\n");
    }
    QFile::setPermissions(dir.file("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
