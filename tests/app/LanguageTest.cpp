// With the French module applied, the Preferences window and its pages, the jump, info and book-choice
// dialogs and both menus speak French: every text a reader sees differs from its English one, but for
// the few that both languages write alike. Message boxes stay in English.

#include "app/OpenDialogs.h"
#include "app/PopupMenu.h"
#include "app/WindowMenu.h"
#include "dialogs/BookChoiceDialog.h"
#include "dialogs/JumpDialog.h"
#include "dialogs/LanguageModules.h"
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
// What a reader reads in a window: its title, labels, buttons, group titles and list rows. Edits hold
// the reader's own data, except the key-capture field, which names a key.
QStringList readableTexts(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        else if (const auto* group = qobject_cast<const QGroupBox*>(w))
            texts << group->title();
        else if (const auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (const auto* list = qobject_cast<const QListWidget*>(w); list && list->objectName() != u"1013")
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text(); // not 1013: the file endings are the same in every language
        else if (const auto* tree = qobject_cast<const QTreeWidget*>(w); tree && !tree->isHeaderHidden())
            for (int i = 0; i < tree->columnCount(); ++i)
                texts << tree->headerItem()->text(i);
        else if (const auto* edit = qobject_cast<const QLineEdit*>(w); edit && edit->objectName() == u"1040")
            texts << edit->text();
    }
    texts.removeAll(QString());
    return texts;
}

void addMenuTexts(const QMenu& menu, QStringList& texts)
{
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator())
            texts << action->text();
        if (action->menu())
            addMenuTexts(*action->menu(), texts);
    }
}

// Every window and menu with translated texts, as the active language shows them.
std::map<QString, QStringList> everyText(AppState& state)
{
    std::map<QString, QStringList> shown;
    PreferencesFrame frame({state.settings, {}, {}});
    for (int page = 0; page < PreferencesFrame::PageCount; ++page) {
        frame.pageList()->setCurrentRow(page);
        shown[QStringLiteral("page %1").arg(page)] = readableTexts(frame);
    }
    shown["jump"] = readableTexts(JumpDialog(2, 24));
    shown["info"] = readableTexts(InfoDialog({QStringLiteral("/b/v.cbz"), 2, 24, QString()}));
    shown["no info"] = readableTexts(InfoDialog({QString(), 0, 0, QString()}));
    shown["books"] = readableTexts(BookChoiceDialog({}, ArchiveFamily::Zip));
    addMenuTexts(*BuildPopupMenu(state, nullptr), shown["popup"]);
    addMenuTexts(*BuildWindowMenu(nullptr), shown["window menu"]);
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

    const QStringList alike = {QStringLiteral("OK")};
    for (const auto& [window, texts] : english) {
        const QStringList& translated = french.at(window);
        ASSERT_EQ(translated.size(), texts.size()) << window.toStdString();
        for (qsizetype i = 0; i < texts.size(); ++i)
            EXPECT_TRUE(translated[i] != texts[i] || alike.contains(texts[i]))
                << window.toStdString() << ": " << texts[i].toStdString();
    }
    EXPECT_TRUE(french.at("page 0").contains(QStringLiteral("Choisir la langue")));
    EXPECT_TRUE(french.at("page 0").contains(QStringLiteral("Préférences")));
    EXPECT_TRUE(french.at("page 3").contains(QStringLiteral("Naviguer vers le haut (Haut)")));
    EXPECT_TRUE(french.at("jump").contains(QStringLiteral("Aller à...")));
    EXPECT_TRUE(french.at("no info").contains(QStringLiteral("Infos... (info.BDi introuvable)")));
    EXPECT_TRUE(french.at("popup").contains(QStringLiteral("Quitter")));
    EXPECT_EQ(OpenFileNameFilters().at(5), QStringLiteral("Tous les fichiers (*.*) (*)"));

    state.settings.previousbook = QStringLiteral("/books/vol1/");
    state.settings.previouspage = 4;
    const std::unique_ptr<QMenu> open = BuildOpenMenu(state, nullptr);
    EXPECT_EQ(open->actions().value(5)->text(), QStringLiteral("Numéro de page : 5"));
    ReleaseLanguage(state.language);
}
