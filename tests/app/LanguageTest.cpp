// SPDX-License-Identifier: GPL-3.0-or-later
// With the French module applied, the Preferences window and its pages, the jump, info and book-choice
// dialogs and both menus speak French: every text a reader sees differs from its English one, but for
// the few that both languages write alike.

#include "app/OpenDialogs.h"
#include "app/FixedKeys.h"
#include "app/PopupMenu.h"
#include "app/WindowMenu.h"
#include "dialogs/BookChoiceDialog.h"
#include "dialogs/JumpDialog.h"
#include "dialogs/info/InfoDialog.h"
#include "dialogs/preferences/PreferencesFrame.h"
#include "support/TestState.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <map>

namespace {
// A window's title, labels, buttons, group titles, list rows and visible headers, and the key-capture
// field; not the other edits nor the file-ending list (1013), which hold the same data in any language.
QStringList readableTexts(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        const auto* label = qobject_cast<const QLabel*>(w);
        const auto* group = qobject_cast<const QGroupBox*>(w);
        const auto* edit = qobject_cast<const QLineEdit*>(w);
        texts << (button ? button->text() : label ? label->text() : group ? group->title() : QString());
        if (edit && edit->objectName() == u"1040")
            texts << edit->text();
        if (const auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (const auto* list = qobject_cast<const QListWidget*>(w); list && list->objectName() != u"1013")
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        if (const auto* tree = qobject_cast<const QTreeWidget*>(w); tree && !tree->isHeaderHidden())
            for (int i = 0; i < tree->columnCount(); ++i)
                texts << tree->headerItem()->text(i);
    }
    texts.removeAll(QString());
    return texts;
}

void addMenuTexts(const QMenu& menu, QStringList& texts)
{
    for (const QAction* action : menu.actions()) {
        texts << action->text();
        if (action->menu())
            addMenuTexts(*action->menu(), texts);
    }
    texts.removeAll(QString());
}

std::map<QString, QStringList> everyText(AppState& state)
{
    std::map<QString, QStringList> shown;
    PreferencesFrame frame({state.settings, {}, {}, ControlsPageNames()});
    for (int page = 0; page < PreferencesFrame::PageCount; ++page) {
        frame.pageList()->setCurrentRow(page);
        shown[QString::number(page)] = readableTexts(frame);
    }
    shown["jump"] = readableTexts(JumpDialog(2, 24));
    shown["info"] = readableTexts(InfoDialog({QStringLiteral("/b/v.cbz"), 2, 24, QString()}));
    shown["no info"] = readableTexts(InfoDialog({QString(), 0, 0, QString()}));
    shown["books"] = readableTexts(BookChoiceDialog({}, ArchiveFamily::Zip));
    addMenuTexts(*BuildPopupMenu(state, nullptr), shown["menus"]);
    addMenuTexts(*BuildWindowMenu(nullptr), shown["menus"]);
    shown["menus"] << OpenFileNameFilters();
    return shown;
}
} // namespace

TEST(French, EveryDialogAndMenuTextDiffersFromTheEnglish)
{
    AppState state;
    UseDefaultSettings(state);
    const std::map<QString, QStringList> english = everyText(state);
    QString langfile = QStringLiteral("french.rcc");
    ApplyLanguage(state.language, langfile, {QStringLiteral(BV_BINARY_DIR "/lang/")});
    ASSERT_TRUE(state.language.isLoaded());
    const std::map<QString, QStringList> french = everyText(state);
    for (const auto& [window, texts] : english) {
        ASSERT_EQ(french.at(window).size(), texts.size()) << window.toStdString();
        for (qsizetype i = 0; i < texts.size(); ++i)
            EXPECT_TRUE(french.at(window)[i] != texts[i] || texts[i] == u"OK") << texts[i].toStdString();
    }
    for (const auto& [window, text] : {std::pair{"0", "Choisir la langue"},
                                       {"3", "Naviguer vers le haut (Haut)"},
                                       {"no info", "Infos... (info.BDi introuvable)"},
                                       {"menus", "Quitter\tCTRL + Q"}})
        EXPECT_TRUE(french.at(window).contains(QString::fromUtf8(text))) << text;
    state.settings.previousbook = QStringLiteral("/books/vol1/");
    EXPECT_EQ(BuildOpenMenu(state, nullptr)->actions().value(5)->text(), QStringLiteral("Numéro de page : 1"));
    ReleaseLanguage(state.language);
}
