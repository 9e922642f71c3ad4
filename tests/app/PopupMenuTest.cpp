// The popup menu's prepared parts (the previous-run items and the view checks) and the window menu.

#include "app/PopupMenu.h"
#include "app/Commands.h"
#include "app/WindowMenu.h"
#include "support/TestState.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <gtest/gtest.h>

TEST(PopupMenu, ThePreviousRunItemsAndTheViewChecks)
{
    AppState state;
    UseDefaultSettings(state);
    const std::unique_ptr<QMenu> bare = BuildPopupMenu(state, nullptr);
    const QAction* last = bare->actions().at(7)->menu()->actions().value(3);
    ASSERT_TRUE(last && last->text() == QStringLiteral("Book from last session"));
    EXPECT_FALSE(last->isEnabled() || bare->actions().at(2)->isChecked()) << "no previous book, no stretching";

    state.settings.previousbook = QStringLiteral("/books/vol1/");
    state.settings.previouspage = 4;
    state.view.stretched = state.view.flipped = true;
    const std::unique_ptr<QMenu> menu = BuildPopupMenu(state, nullptr);
    EXPECT_TRUE(menu->actions().at(2)->isChecked() && menu->actions().at(3)->isChecked());
    const std::unique_ptr<QMenu> alone = BuildOpenMenu(state, nullptr); // the skin's "open" button shows it
    for (const QMenu* open : {menu->actions().at(7)->menu(), alone.get()}) {
        const QList<QAction*> items = open->actions();
        ASSERT_EQ(items.size(), 6);
        EXPECT_EQ(items[4]->text() + u'|' + items[5]->text(), QStringLiteral("vol1/|Page number : 5"));
        EXPECT_TRUE(items[3]->isEnabled() && !items[4]->isEnabled() && !items[5]->isEnabled());
    }
    for (const auto& [book, label] : {std::pair{"/books/vol1.cbz", "vol1.cbz"}, {"/", "/"}})
        EXPECT_EQ(PreviousBookLabel(QString::fromLatin1(book)), QString::fromLatin1(label)) << book;
}

TEST(WindowMenu, AltSpaceOpensItAndAboutShowsTheVersion)
{
    EXPECT_TRUE(IsWindowMenuKey(QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier)));
    EXPECT_FALSE(IsWindowMenuKey(QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier | Qt::ControlModifier)));
    AppState state;
    MessageRecorder messages;
    QWidget window;
    MenuTracker previous = SetMenuTracker([](QMenu&, const QPoint&) { return CommandInfoOf(Command::About).menuId; });
    ShowWindowMenu(state, &window);
    SetMenuTracker(std::move(previous));
    ASSERT_EQ(messages.messages().size(), 1u);
    const ShownMessage& about = messages.messages()[0];
    EXPECT_EQ(std::pair(about.caption, about.icon), std::pair(QStringLiteral("About..."), MessageIcon::Information));
    EXPECT_TRUE(about.text.startsWith(QStringLiteral("Bullevista " BV_VERSION "\r\n"))) << about.text.toStdString();
}
