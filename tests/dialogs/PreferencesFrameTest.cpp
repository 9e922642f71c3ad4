// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences window driven as a reader would: one page at a time, the Display and General fields,
// the Controls page's key capture and assignment, and "Select language".

#include "dialogs/preferences/PreferencesFrame.h"
#include "app/FixedKeys.h"
#include "app/CommandTable.h"
#include "dialogs/keys/KeyCaptureField.h"
#include "support/TestState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class Preferences : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        PreferencesHooks hooks;
        hooks.redecodePage = [this] { calls << "redecode"; };
        hooks.rebuildScaledPage = [this] { calls << "rebuild"; };
        hooks.rebuildAccelerators = [this] { calls << "accelerators"; };
        hooks.selectLanguage = [this] { calls << "language"; };
        frame = new PreferencesFrame({state.settings, {}, hooks, ControlsPageNames()});
        frame->show();
    }
    void TearDown() override { delete frame.data(); }

    template <typename Control> Control* control(const char* id) const
    {
        return frame->currentPage()->findChild<Control*>(QLatin1String(id));
    }
    void choose(PreferencesFrame::Page page) { frame->pageList()->setCurrentRow(page); }
    QListWidgetItem* slotRow(int slot) const
    {
        auto* list = control<QListWidget>("1031");
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->data(Qt::UserRole).toInt() == slot)
                return list->item(row);
        return nullptr;
    }

    AppState state;
    QStringList calls;
    QPointer<PreferencesFrame> frame;
};
} // namespace

TEST_F(Preferences, OnePageAtATimeEachReadingTheSettingsAnew)
{
    EXPECT_EQ(frame->currentPage()->objectName(), QStringLiteral("112"));
    choose(PreferencesFrame::Display);
    QPointer<QWidget> display = frame->currentPage();
    state.settings.pixforkb = true; // changed elsewhere while Display is up
    choose(PreferencesFrame::General);
    EXPECT_TRUE(display.isNull());
    EXPECT_TRUE(control<QCheckBox>("1025")->isChecked());
    EXPECT_EQ(frame->findChildren<QGroupBox*>(QStringLiteral("1015")).size(), 1);
    frame->hide();
    frame->show();
    EXPECT_EQ(frame->pageList()->currentRow(), int(PreferencesFrame::General));
}

TEST_F(Preferences, ContrastDeadZoneAndTheDecodeOnRelease)
{
    choose(PreferencesFrame::Display);
    auto* slider = control<QSlider>("1045");
    auto* shown = control<QLineEdit>("1046");
    EXPECT_EQ(std::pair(slider->value(), shown->text()), std::pair(-1, QStringLiteral("0")));
    slider->setSliderDown(true);
    slider->setValue(-5);
    EXPECT_EQ(std::pair(state.settings.contrastval, shown->text()), std::pair(-5, QStringLiteral("-5")));
    EXPECT_TRUE(calls.isEmpty()) << "nothing is decoded while the slider is held";
    slider->setSliderDown(false);
    EXPECT_EQ(calls, QStringList{"redecode"});
    // A click on the groove moves the slider without its handle ever being held: decoded once all the same.
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(2, slider->height() / 2));
    EXPECT_LT(state.settings.contrastval, -5);
    EXPECT_EQ(calls, (QStringList{"redecode", "redecode"}));
    control<QRadioButton>("1027")->click();
    EXPECT_TRUE(state.settings.wstretched);
    EXPECT_EQ(calls.last(), QStringLiteral("rebuild"));
    // A check box stores into its setting, a number setting as 1 or 0, and then runs its hook.
    calls.clear();
    control<QCheckBox>("1024")->click();
    control<QCheckBox>("1022")->click();
    EXPECT_EQ(std::tuple(state.settings.halftone, state.settings.startfullscreen, calls),
              std::tuple(false, 1, QStringList{"rebuild"}));
}

TEST_F(Preferences, WheelPixelsFieldTakesDigitsOnlyAndEmptyStoresFive)
{
    auto* pixels = control<QLineEdit>("1019");
    EXPECT_EQ(pixels->text(), QStringLiteral("50"));
    pixels->setFocus();
    pixels->selectAll();
    QTest::keyClick(pixels, Qt::Key_Backspace);
    EXPECT_EQ(std::pair(pixels->text(), state.settings.mousewheelval), std::pair(QString(), 5));
    QTest::keyClicks(pixels, "ab12345678901234567890");
    EXPECT_EQ(std::pair(pixels->text(), state.settings.mousewheelval), std::pair(QStringLiteral("123"), 123));
    control<QCheckBox>("1024")->click();
    EXPECT_EQ(state.settings.nextonup, 0);
}

TEST_F(Preferences, KeysAreCapturedAndOneClashIsCleared)
{
    choose(PreferencesFrame::Controls);
    auto* capture = control<KeyCaptureField>("1040");
    EXPECT_EQ(capture->text(), QStringLiteral("None"));
    capture->setFocus();
    for (Qt::Key key : {Qt::Key_Control, Qt::Key_Alt, Qt::Key_F5})
        QTest::keyClick(capture, key);
    EXPECT_EQ(capture->text(), QStringLiteral("ALT + CTRL + F5"));
    // Tab, Enter and Escape are keys like any other here: the focus stays, the window stays open.
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape})
        QTest::keyClick(capture, key);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(capture->text(), QStringLiteral("ALT + CTRL + Esc"));
    capture->insert(QStringLiteral("typed")); // text arriving some other way is put back
    EXPECT_EQ(capture->text(), QStringLiteral("ALT + CTRL + Esc"));
    control<QPushButton>("1008")->click(); // "Set None" with no row selected: only the capture resets
    EXPECT_EQ(capture->text(), QStringLiteral("None"));

    const int row4 = control<QListWidget>("1031")->row(slotRow(4));
    control<QListWidget>("1031")->setCurrentRow(row4);
    QTest::keyClick(capture, Qt::Key_Z);
    EXPECT_EQ(capture->text(), QStringLiteral("Z"));
    control<QPushButton>("1007")->click();
    EXPECT_EQ(control<QListWidget>("1031")->row(slotRow(4)), row4) << "the row keeps its place";
    EXPECT_EQ(slotRow(4)->text(), QStringLiteral("Go to next page (Z)"));
    EXPECT_EQ(slotRow(5)->text(), QStringLiteral("Go to previous page (None)"));
    EXPECT_EQ(std::pair(state.settings.vk(5), state.settings.sk(5)), std::pair(0, 0));
    EXPECT_EQ(capture->text(), QStringLiteral("None"));
    // The keyboard following the slots once the page goes is the Preferences window's test.
    auto* rightClick = control<QComboBox>("1033");
    EXPECT_EQ(rightClick->itemText(4), QStringLiteral("Toggle fullscreen mode"));
    rightClick->setCurrentIndex(4);
    emit rightClick->activated(4);
    EXPECT_EQ(state.settings.rightm, 4);
}

TEST_F(Preferences, SelectLanguageClosesTheWindowFirst)
{
    control<QPushButton>("1027")->click();
    EXPECT_TRUE(calls.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.isNull());
    EXPECT_EQ(calls, QStringList{"language"});
}
