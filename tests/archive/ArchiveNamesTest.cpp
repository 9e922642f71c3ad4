#include "book/archive/ArchiveNames.h"

#include <gtest/gtest.h>

TEST(ArchiveNameText, LegacyNamesFoldDosLettersThenReadAsWindows1252AndUtf8NamesStayAsTheyAre)
{
    const struct {
        const char* raw;
        bool utf8;
        const char* text;
    } rows[] = {
        {"caf\x82.jpg", false, "café.jpg"},  {"\x8A\x90t\x82\x81\xA3.jpg", false, "èEtéüú.jpg"},
        {"\xE9t\xE9.jpg", false, "été.jpg"}, {"\x80\x87\x9A.jpg", false, "€‡š.jpg"}, // no DOS letters: as 1252
        {"\xD0\x82.jpg", true, "Ђ.jpg"},     {"ページ.jpg", true, "ページ.jpg"}, // D0 82 folded would break the letter
    };
    for (const auto& row : rows)
        EXPECT_EQ(ArchiveNameText(row.raw, row.utf8), QString::fromUtf8(row.text)) << row.raw;
}

TEST(SafeBareName, FlattensEveryNameToABareNameThatStaysInside)
{
    const struct {
        const char* name;
        const char* bare;
    } rows[] = {
        {"p01.jpg", "p01.jpg"},
        {"Vol1/p01.jpg", "p01.jpg"},
        {"Vol1\\Ch\\p.jpg", "p.jpg"},
        {"a/./b.jpg", "b.jpg"},
        {"...jpg", "...jpg"},
        {"Vol1/", ""},
        {"", ""},
        {"../evil.jpg", "evil.jpg"},
        {"/abs/p1.jpg", "p1.jpg"},
        {"\\abs.jpg", "abs.jpg"},
        {"a\\..\\b.jpg", "b.jpg"},
        {"C:/x/p2.jpg", "p2.jpg"},
        {"..", ""},
        {"a/..", ""},
        {"a/.", ""},
        {"C:x.jpg", "x.jpg"},
        {"c:\\x.jpg", "x.jpg"},
        {"..x/y.jpg", "y.jpg"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SafeBareName(QString::fromUtf8(row.name)), QString::fromUtf8(row.bare)) << row.name;
    EXPECT_EQ(SafeBareName(QStringLiteral("a") + QChar(0) + QStringLiteral("b.jpg")), QString());
}
