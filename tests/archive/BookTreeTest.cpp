#include "book/archive/BookTree.h"

#include <gtest/gtest.h>

namespace {
QStringList texts(const std::vector<BookTreeItem>& items)
{
    QStringList list;
    for (const BookTreeItem& item : items)
        list << item.text;
    return list;
}

BookTree treeOf(const QStringList& entryNames)
{
    BookTree tree;
    for (const QString& name : entryNames)
        InsertEntryFolders(tree, name);
    return tree;
}
} // namespace

TEST(BookTree, OneItemPerDistinctFolderInSortedOrder)
{
    const BookTree tree = treeOf({"Vol2/p1.jpg", "vol3/x.jpg", "Vol1/p1.jpg", "Vol1/p2.jpg", "Vol1/Extra/a.jpg",
                                  "Vol1/", "cover.jpg", "Vol2\\back.jpg"});
    EXPECT_EQ(texts(tree.top), (QStringList{"Vol1", "Vol2", "vol3"}));
    EXPECT_EQ(texts(tree.top[0].children), QStringList{"Extra"});
    EXPECT_TRUE(tree.top[1].children.empty());
}

TEST(BookTree, NamesDifferingInCaseAreTwoItemsKeptInArrivalOrder)
{
    BookTree tree;
    InsertFolderPath(tree, "b/");
    InsertFolderPath(tree, "B/");
    InsertFolderPath(tree, "A/");
    EXPECT_EQ(texts(tree.top), (QStringList{"A", "b", "B"}));
}

TEST(BookTree, BranchingDecidesWhetherTheReaderIsAsked)
{
    const struct {
        QStringList entries;
        bool branches;
    } rows[] = {
        {{"Vol1/p1.jpg", "Vol1/p2.jpg", "Vol2/p1.jpg"}, true},
        {{"Book/Ch1/a.jpg", "Book/Ch2/a.jpg"}, true},
        {{"Book/a.jpg", "Book/b.jpg"}, false},
        {{"a.jpg", "b.jpg"}, false},
        {{}, false},
        {{"A/B/C/p.jpg", "A/B/q.jpg"}, false},
        {{"A/B/C/p.jpg", "A/B/D/q.jpg"}, true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FoldersBranch(treeOf(row.entries)), row.branches) << row.entries.join(u' ').toStdString();
}

TEST(BookTree, ChoiceTextPerFamily)
{
    EXPECT_EQ(BookChoiceText({"Vol1", "Chapter2"}, ArchiveFamily::Zip), QStringLiteral("Vol1/Chapter2/"));
    EXPECT_EQ(BookChoiceText({"Vol1", "Chapter2"}, ArchiveFamily::Rar), QStringLiteral("Vol1\\Chapter2"));
    EXPECT_EQ(BookChoiceText({}, ArchiveFamily::Zip), QString());
    EXPECT_EQ(BookChoiceText({}, ArchiveFamily::Rar), QString());
}
