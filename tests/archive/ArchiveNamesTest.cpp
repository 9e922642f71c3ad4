// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/ArchiveNames.h"
#include "book/archive/FlatBookNames.h"

#include <QStringList>
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

TEST(FlatBookNames, EveryPageKeepsAFileOfItsOwnAndTheLaterOfEqualPathsWins)
{
    using Names = std::vector<QByteArray>;
    // One folder: the bare names, as ever.
    EXPECT_EQ(FlatBookNames({"Book/02.jpg", "Book/01.jpg"}), Names({"02.jpg", "01.jpg"}));
    // The same path twice: the later entry; chapters that restart their numbering: named after their
    // folders, never taking the name of another file ('Ch1_01.jpg' is already a page).
    EXPECT_EQ(FlatBookNames({"Book/Ch1/01.jpg", "Book\\Ch2\\01.jpg", "Book_Ch1_01.jpg", "Book/Ch1/01.jpg",
                             "../x/02.jpg", "y/02.jpg"}),
              Names({"", "Book_Ch2_01.jpg", "Book_Ch1_01.jpg", "Book_Ch1~2_01.jpg", "x_02.jpg", "y_02.jpg"}));
    // Files that are not pages keep their bare name, from the last entry that has it.
    EXPECT_EQ(FlatBookNames({"a/info.bdi", "b/info.bdi"}), Names({"", "info.bdi"}));
    // A name too long for the file system loses the front of its folders.
    const QString longFolder(300, u'f');
    const Names longNames = FlatBookNames({longFolder + "/p.jpg", "g/p.jpg"});
    EXPECT_EQ(longNames[0].size(), 255);
    EXPECT_TRUE(longNames[0].endsWith("f_p.jpg"));
}

TEST(CompareBookPaths, FolderByFolderEachByThePageNameRule)
{
    const QStringList inOrder{"Book/Ch1/10.jpg", "Book/Ch1/9.jpg", "Book/ch1.5/1.jpg", "Book/Ch2/01.jpg",
                              "Book/Ch2/Extra/01.jpg", "Book/cover.jpg"};
    for (qsizetype i = 0; i + 1 < inOrder.size(); ++i) {
        EXPECT_LT(CompareBookPaths(inOrder[i], inOrder[i + 1]), 0) << inOrder[i].toStdString();
        EXPECT_GT(CompareBookPaths(inOrder[i + 1], inOrder[i]), 0) << inOrder[i].toStdString();
    }
    EXPECT_EQ(CompareBookPaths("A\\b.jpg", "a/B.JPG"), 0);
}
