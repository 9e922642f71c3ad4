#include "dialogs/BookChoiceDialog.h"

#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
BookTree sampleTree()
{
    BookTree tree;
    InsertFolderPath(tree, "Vol2/");
    InsertFolderPath(tree, "Vol1/Chapter2/");
    InsertFolderPath(tree, "Vol1/Chapter1/");
    return tree;
}

// Opens the dialog, selects Vol1 > Chapter2 unless the row highlighted at opening is to stay, sends
// `key`, and tells whether the dialog ended.
bool keyEnds(ArchiveFamily family, Qt::Key key, QStringList* choice = nullptr, bool move = true)
{
    BookChoiceDialog dialog(sampleTree(), family);
    dialog.open();
    QTreeWidget* tree = dialog.tree();
    tree->setFocus();
    if (move)
        tree->setCurrentItem(tree->topLevelItem(0)->child(1));
    QTest::keyClick(tree, key);
    if (choice)
        *choice = dialog.choice();
    const bool ended = !dialog.isVisible();
    dialog.close();
    return ended;
}
} // namespace

TEST(BookChoiceDialog, ShowsTheTreeInItsOrderUnderItsIds)
{
    BookChoiceDialog dialog(sampleTree(), ArchiveFamily::Zip);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Multiple Book Found (Double-Click or Spacebar to select)"));
    QTreeWidget* tree = dialog.findChild<QTreeWidget*>(QStringLiteral("1044"));
    ASSERT_EQ(tree, dialog.tree());
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("Vol1"));
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("Chapter1"));
    EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("Vol2"));
}

TEST(BookChoiceDialog, SpaceAndEnterChooseTheSelectedRowInBothFamilies)
{
    for (ArchiveFamily family : {ArchiveFamily::Zip, ArchiveFamily::Rar}) {
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            QStringList choice;
            EXPECT_TRUE(keyEnds(family, key, &choice));
            EXPECT_EQ(choice, (QStringList{"Vol1", "Chapter2"}));
            EXPECT_TRUE(keyEnds(family, key, &choice, false));
            EXPECT_EQ(choice, QStringList{"Vol1"}); // the first row, selected when the dialog opens
        }
    }
}

TEST(BookChoiceDialog, DoubleClickEndsAndClosingKeepsTheSelection)
{
    for (ArchiveFamily family : {ArchiveFamily::Zip, ArchiveFamily::Rar}) {
        BookChoiceDialog dialog(sampleTree(), family);
        dialog.open();
        QTreeWidget* tree = dialog.tree();
        QTreeWidgetItem* vol2 = tree->topLevelItem(1);
        const QPoint at = tree->visualItemRect(vol2).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.choice(), QStringList{"Vol2"});
    }
    BookChoiceDialog dialog(sampleTree(), ArchiveFamily::Zip);
    dialog.open();
    dialog.tree()->setCurrentItem(dialog.tree()->topLevelItem(1));
    dialog.close();
    EXPECT_EQ(dialog.choice(), QStringList{"Vol2"});

    BookChoiceDialog untouched(sampleTree(), ArchiveFamily::Rar);
    untouched.open();
    untouched.close();
    EXPECT_TRUE(untouched.choice().isEmpty());
}
