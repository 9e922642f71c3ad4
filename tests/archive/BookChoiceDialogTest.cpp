// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/BookChoiceDialog.h"

#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <optional>

namespace {
BookTree sampleTree()
{
    BookTree tree;
    InsertFolderPath(tree, "Vol2/");
    InsertFolderPath(tree, "Vol1/Chapter2/");
    InsertFolderPath(tree, "Vol1/Chapter1/");
    return tree;
}

// Opens the dialog, makes Vol1 > Chapter2 current unless the row selected at opening is to stay, sends
// `key` (none: closes the window), and gives the choice if the dialog ended.
QStringList choiceAfter(ArchiveFamily family, std::optional<Qt::Key> key, bool move)
{
    BookChoiceDialog dialog(sampleTree(), family);
    dialog.open();
    QTreeWidget* tree = dialog.tree();
    tree->setFocus();
    if (move)
        tree->setCurrentItem(tree->topLevelItem(0)->child(1));
    if (key)
        QTest::keyClick(tree, *key);
    else
        dialog.close();
    return dialog.isVisible() ? QStringList{"still open"} : dialog.choice();
}
} // namespace

TEST(BookChoiceDialog, SpaceEnterDoubleClickAndClosingChooseTheSelectedRow)
{
    for (ArchiveFamily family : {ArchiveFamily::Zip, ArchiveFamily::Rar}) // the keys pick in both families
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            EXPECT_EQ(choiceAfter(family, key, true), (QStringList{"Vol1", "Chapter2"}));
            EXPECT_EQ(choiceAfter(family, key, false), QStringList{"Vol1"}); // the first row, selected at opening
        }
    // Closing the window takes what was picked; closed untouched, it takes everything although the first
    // row is selected.
    EXPECT_EQ(choiceAfter(ArchiveFamily::Rar, {}, true), (QStringList{"Vol1", "Chapter2"}));
    EXPECT_EQ(choiceAfter(ArchiveFamily::Rar, {}, false), QStringList{});
    BookChoiceDialog dialog(sampleTree(), ArchiveFamily::Zip);
    dialog.open();
    QTreeWidget* tree = dialog.tree();
    const QPoint at = tree->visualItemRect(tree->topLevelItem(1)).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.choice(), QStringList{"Vol2"});
}
