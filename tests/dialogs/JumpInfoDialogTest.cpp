// SPDX-License-Identifier: GPL-3.0-or-later
// The jump-to and info dialogs, opened as the commands open them.

#include "common/StringTable.h"
#include "dialogs/JumpDialog.h"
#include "dialogs/info/InfoDialog.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

TEST(JumpDialog, FieldAndSliderKeptInStepJumpReturnsWhatWasTyped)
{
    JumpDialog dialog(2, 24);
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("1003"));
    auto* slider = dialog.findChild<QSlider*>(QStringLiteral("1029"));
    EXPECT_EQ(std::pair(field->text(), slider->value()), std::pair(QStringLiteral("3"), 3));
    field->clear();
    QTest::keyClicks(field, "3x0");
    EXPECT_EQ(std::pair(field->text(), slider->value()), std::pair(QStringLiteral("30"), 24));
    dialog.findChild<QPushButton*>(QStringLiteral("1004"))->click();
    EXPECT_EQ(dialog.chosenPage(), 30);

    slider->setValue(10);
    EXPECT_EQ(field->text(), QStringLiteral("10"));
}

TEST(JumpDialog, ShowsTheThumbnailOfThePageUnderTheSlider)
{
    // Page k's thumbnail is k + 1 pixels wide; page 5's isn't made yet.
    std::vector<int> focused;
    JumpDialog dialog(2, 24, nullptr,
                      {[](int page) { return page == 4 ? QImage() : QImage(page + 1, 10, QImage::Format_RGB32); },
                       [&](int page) { focused.push_back(page); }});
    auto* slider = dialog.findChild<QSlider*>(QStringLiteral("1029"));
    QLabel* picture = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->wordWrap() == false)
            picture = label;
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixmap().width(), 3);
    slider->setValue(12);
    EXPECT_EQ(picture->pixmap().width(), 12);
    slider->setValue(5);
    EXPECT_TRUE(picture->pixmap().isNull());
    EXPECT_EQ(focused, (std::vector<int>{2, 11, 4}));
}

TEST(InfoDialog, BookPageAndEntriesOrTheNotFoundTitle)
{
    ScratchDir dir;
    const QString file = dir.write("info.bdi", "[Book]\nTitle=Night Watch\nPages=24\nno equals\n");
    InfoDialog open({QStringLiteral("/books/Night Watch.cbz"), 2, 24, file});
    EXPECT_EQ(open.findChild<QLineEdit*>(QStringLiteral("1023"))->text(), QStringLiteral("/books/Night Watch.cbz"));
    EXPECT_EQ(open.findChild<QLabel*>(QStringLiteral("1024"))->text(), QStringLiteral("Viewing page 3/24"));
    EXPECT_EQ(open.windowTitle(), QStringLiteral("Info..."));
    ASSERT_EQ(open.entries()->topLevelItemCount(), 2);
    EXPECT_EQ(open.entries()->topLevelItem(1)->text(1), QStringLiteral("24"));

    for (const QByteArray& bytes : {QByteArray(), QByteArray("[only a section]\nnothing=")}) {
        const bool someEntry = bytes.contains('=');
        InfoDialog none({QString(), 0, 0, dir.write("other.bdi", bytes)});
        EXPECT_EQ(none.findChild<QLineEdit*>(QStringLiteral("1023"))->text(), QStringLiteral("No file loaded"));
        EXPECT_TRUE(none.findChild<QLabel*>(QStringLiteral("1024"))->text().isEmpty());
        EXPECT_EQ(none.windowTitle(), someEntry ? QStringLiteral("Info...") : StringText(2));
    }
}
