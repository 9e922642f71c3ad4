// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/BookTree.h"

#include <gtest/gtest.h>

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
    for (const auto& row : rows) {
        BookTree tree;
        for (const QString& name : row.entries)
            InsertEntryFolders(tree, name);
        EXPECT_EQ(FoldersBranch(tree), row.branches) << row.entries.join(u' ').toStdString();
    }
}
