// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences window over a running AppState: one window at most, the key slots reaching the
// keyboard when the Controls page goes, the contrast decode, and a broken skin falling back.

#include "app/PreferencesWindow.h"
#include "dialogs/keys/KeyCaptureField.h"
#include "dialogs/preferences/PreferencesFrame.h"
#include "support/TestState.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class PreferencesWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        state.paths.ExeDir = dir.path();
        state.accelTable = BuildAccelTable(state.settings);
        OpenPreferences(state);
    }
    void TearDown() override { delete state.preferences.data(); }

    QWidget* page(PreferencesFrame::Page which)
    {
        state.preferences->pageList()->setCurrentRow(which);
        return state.preferences->currentPage();
    }
    std::optional<Command> command(int virtualKey) const
    {
        return MatchAccelerator(state.accelTable, {virtualKey, 0, false, false, false});
    }

    ScratchDir dir;
    AppState state;
};
} // namespace

TEST_F(PreferencesWindow, OpenedTwiceIsOneWindow)
{
    QPointer<PreferencesFrame> first = state.preferences;
    OpenPreferences(state);
    EXPECT_EQ(state.preferences, first);
    int frames = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        frames += qobject_cast<PreferencesFrame*>(window) != nullptr;
    EXPECT_EQ(frames, 1);
}

TEST_F(PreferencesWindow, TheKeyboardFollowsTheSlotsOnlyAfterTheControlsPageCloses)
{
    QWidget* controls = page(PreferencesFrame::Controls);
    auto* list = controls->findChild<QListWidget*>(QStringLiteral("1031"));
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->data(Qt::UserRole).toInt() == 4)
            list->setCurrentRow(row);
    emit controls->findChild<KeyCaptureField*>(QStringLiteral("1040"))->keyPressed(90); // Z
    controls->findChild<QPushButton*>(QStringLiteral("1007"))->click();
    using Keys = std::pair<std::optional<Command>, std::optional<Command>>;
    EXPECT_EQ(Keys(command(88), command(90)), Keys(Command::Forward, Command::Back)) << "still the old table";
    page(PreferencesFrame::General);
    EXPECT_EQ(Keys(command(88), command(90)), Keys(std::nullopt, Command::Forward));
}

TEST_F(PreferencesWindow, ContrastReleaseDecodesThePageAgainOnlyWithABook)
{
    state.book.pageIndex = 3;
    auto* slider = page(PreferencesFrame::Display)->findChild<QSlider*>(QStringLiteral("1045"));
    slider->setSliderDown(true);
    slider->setValue(60);
    slider->setSliderDown(false);
    EXPECT_EQ(state.book.pageIndex, 3) << "no book: nothing to decode, and the page index stays";

    OpenGreyBook(state, dir, 3, QSize(4, 3), 100, 1);
    state.book.current.pixels.fill(Qt::black);
    slider->setSliderDown(true);
    slider->setSliderDown(false);
    EXPECT_EQ(state.book.pageIndex, 1);
    EXPECT_NE(qRed(state.book.current.pixels.pixel(0, 0)), 0) << "page 1 decoded again";
}

TEST_F(PreferencesWindow, ABrokenSkinSaysSwitchingOnceAndLeavesDefault)
{
    WriteSkin(dir, "skins/default", "INIT:0|1|0|0|\nBUTTON:1|1|4|4|0|0|back|EOD\n");
    WriteSkin(dir, "skins/broken one", "INIT:0|1|0|0|\nBUTTON:1|1|4|4|0|0|back|EOD\n", "font");
    state.settings.skinname = QStringLiteral("nocturne");
    MessageRecorder messages;
    QWidget* skins = page(PreferencesFrame::Skins);
    auto* list = skins->findChild<QListWidget*>(QStringLiteral("1001"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("broken one"));
    skins->findChild<QPushButton*>(QStringLiteral("1000"))->click(); // nothing selected: nothing happens
    EXPECT_EQ(state.settings.skinname, QStringLiteral("nocturne"));
    list->setCurrentRow(0);
    skins->findChild<QPushButton*>(QStringLiteral("1000"))->click();
    EXPECT_EQ(
        messages.texts().count(QStringLiteral("Switching to default skin because of an error with your custom skin")),
        1);
    EXPECT_EQ(state.settings.skinname, QStringLiteral("default"));
    EXPECT_EQ(state.skin.buttons.records.size(), 1u);
    EXPECT_FALSE(state.shutDown);
    EXPECT_TRUE(list->item(1)->font().bold() && !list->item(0)->font().bold()) << "the skin in use is marked";
    QTest::keyClick(list, Qt::Key_Return); // Enter loads the selected skin as a double click does
    EXPECT_EQ(
        messages.texts().count(QStringLiteral("Switching to default skin because of an error with your custom skin")),
        2);
}
