#include "app/SettingsReader.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(SettingsReader, LineRules)
{
    const SettingsReader r = SettingsReader::fromText(
        "[Settings]\n"
        "remark without equals\n"
        "\n"
        "skinname = blue\n"   // blanks belong to the key and the value
        "langfile=first\r\n"
        "langfile=second\n"
        "a=b=c\n"
        "verylongkeynamethatexceedstwenty=1\n"
        "last=no newline");
    EXPECT_EQ(r.lookup("skinname", "default"), "default");
    EXPECT_EQ(r.lookup("skinname ", "x"), " blue");
    EXPECT_EQ(r.lookup("langfile", "none"), "first");
    EXPECT_EQ(r.lookup("a", ""), "b=c");
    EXPECT_EQ(r.lookup("verylongkeynamethate", ""), "1"); // cut to 20 bytes
    EXPECT_EQ(r.lookup("last", ""), "no newline");
    EXPECT_EQ(r.lookup("Langfile", "miss"), "miss"); // case-sensitive
    ASSERT_EQ(r.count(), 6);
    EXPECT_EQ(r.entry(0).key, "skinname ");
}

TEST(SettingsReader, LongLinesAreReadInPiecesOf275Bytes)
{
    // A 600-byte line comes back as reads of 275, 275 and 50 bytes; the second piece holds "=",
    // so it becomes an entry of its own.
    QByteArray line = "k=" + QByteArray(273, 'a'); // exactly one read
    line += QByteArray(100, 'b') + "=tail" + QByteArray(170, 'c');
    line += "rest=9\n";
    const SettingsReader r = SettingsReader::fromText(line);
    ASSERT_EQ(r.count(), 3);
    EXPECT_EQ(r.entry(0).value.size(), 273);
    EXPECT_EQ(r.entry(1).key.size(), 20);
    EXPECT_TRUE(r.entry(1).value.startsWith("tail"));
    EXPECT_EQ(r.lookup("rest", ""), "9");
}

TEST(SettingsReader, NulBytesEndTheLineText)
{
    const SettingsReader r = SettingsReader::fromText(QByteArray("wndxpos=12\0junk\nwndypos=7\n", 26));
    EXPECT_EQ(r.lookup("wndxpos", ""), "12");
    EXPECT_EQ(r.lookup("wndypos", ""), "7");
}

TEST(SettingsReader, MissingOrUnreadableFileIsEmpty)
{
    ScratchDir dir;
    EXPECT_EQ(SettingsReader(dir.file("nothing.ini")).count(), 0);
    EXPECT_EQ(SettingsReader(dir.path()).count(), 0); // a directory
}

TEST(SettingsReader, HugeAndGarbageFilesLoadQuickly)
{
    ScratchDir dir;
    QByteArray many;
    for (int i = 0; i < 100000; ++i)
        many += "key" + QByteArray::number(i) + "=v\n";
    const SettingsReader lines(dir.write("many.ini", many));
    EXPECT_EQ(lines.count(), 100000);

    QByteArray garbage(1 << 20, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) ^ (i >> 3));
    const SettingsReader binary(dir.write("garbage.ini", garbage));
    EXPECT_GE(binary.count(), 0); // only that it loads
}
