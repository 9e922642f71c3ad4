#include "book/archive/ArchiveNames.h"

#include <gtest/gtest.h>

TEST(FoldArchiveName, MapsDosLettersToWindowsLettersAndLeavesTheRest)
{
    const struct {
        unsigned char from, to;
    } rows[] = {{0x81, 0xFC}, {0x82, 0xE9}, {0x83, 0xE2}, {0x84, 0xE4}, {0x85, 0xE0}, {0x86, 0xE5},
                {0x88, 0xEA}, {0x89, 0xEB}, {0x8A, 0xE8}, {0x8B, 0xEF}, {0x8C, 0xEE}, {0x8D, 0xEC},
                {0x90, 'E'},  {0x93, 0xF4}, {0x94, 0xF6}, {0x95, 0xF2}, {0x96, 0xFB}, {0x97, 0xF9},
                {0xA0, 0xE1}, {0xA1, 0xED}, {0xA2, 0xF3}, {0xA3, 0xFA},
                // not in the table: the cedilla letters, capitals, box drawing and plain ASCII stay
                {0x80, 0x80}, {0x87, 0x87}, {0x8E, 0x8E}, {0x9A, 0x9A}, {0xA4, 0xA4}, {0xE9, 0xE9}, {'a', 'a'}};
    for (const auto& row : rows) {
        QByteArray name("x?.jpg");
        name[1] = char(row.from);
        FoldArchiveName(name);
        EXPECT_EQ(static_cast<unsigned char>(name[1]), row.to) << "byte " << int(row.from);
    }
}

TEST(ArchiveNameText, LegacyNamesFoldThenReadAsWindows1252AndUtf8NamesStayAsTheyAre)
{
    EXPECT_EQ(ArchiveNameText("caf\x82.jpg", false), QString::fromUtf8("café.jpg"));
    EXPECT_EQ(ArchiveNameText("\x8A\x90t\x82.jpg", false), QString::fromUtf8("èEté.jpg"));
    EXPECT_EQ(ArchiveNameText("\x80.jpg", false), QString::fromUtf8("€.jpg")); // unmapped, read as 1252
    // U+0402 is D0 82 in UTF-8: folding it would break the letter.
    EXPECT_EQ(ArchiveNameText("\xD0\x82.jpg", true), QString::fromUtf8("Ђ.jpg"));
    EXPECT_EQ(ArchiveNameText("ページ.jpg", true), QString::fromUtf8("ページ.jpg"));
}

TEST(SafeBareName, FlattensEveryNameToABareNameThatStaysInside)
{
    const struct {
        const char* name;
        const char* bare;
    } rows[] = {
        {"p01.jpg", "p01.jpg"},     {"Vol1/p01.jpg", "p01.jpg"},     {"Vol1\\Ch\\p.jpg", "p.jpg"},
        {"a/./b.jpg", "b.jpg"},     {"...jpg", "...jpg"},            {"Vol1/", ""},
        {"", ""},                   {"../evil.jpg", "evil.jpg"},     {"/abs/p1.jpg", "p1.jpg"},
        {"\\abs.jpg", "abs.jpg"},   {"a\\..\\b.jpg", "b.jpg"},       {"C:/x/p2.jpg", "p2.jpg"},
        {"..", ""},                 {"a/..", ""},                    {"a/.", ""},
        {"C:x.jpg", "x.jpg"},       {"c:\\x.jpg", "x.jpg"},          {"..x/y.jpg", "y.jpg"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SafeBareName(QString::fromUtf8(row.name)), QString::fromUtf8(row.bare)) << row.name;
    EXPECT_EQ(SafeBareName(QStringLiteral("a") + QChar(0) + QStringLiteral("b.jpg")), QString());
}
