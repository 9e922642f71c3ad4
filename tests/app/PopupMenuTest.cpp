// SPDX-License-Identifier: GPL-3.0-or-later
// The popup menu's prepared parts (the previous-run items, the view checks, the keys), the window menu,
// the skin window's tooltips and its drag area's double-click.

#include "app/PopupMenu.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/SkinToolTips.h"
#include "app/WindowMenu.h"
#include "support/TestState.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <gtest/gtest.h>

TEST(PopupMenu, ThePreviousRunItemsAndTheViewChecks)
{
    AppState state;
    UseDefaultSettings(state);
    const std::unique_ptr<QMenu> bare = BuildPopupMenu(state, nullptr);
    const QAction* last = bare->actions().at(10)->menu()->actions().value(3);
    ASSERT_TRUE(last && last->text().startsWith(QStringLiteral("Book from last session\t")));
    EXPECT_FALSE(last->isEnabled() || bare->actions().at(2)->isChecked()) << "no previous book, no stretching";

    state.settings.previousbook = QStringLiteral("/books/vol1/");
    state.settings.previouspage = 4;
    state.view.stretched = state.view.flipped = true;
    const std::unique_ptr<QMenu> menu = BuildPopupMenu(state, nullptr);
    EXPECT_TRUE(menu->actions().at(2)->isChecked() && menu->actions().at(3)->isChecked());
    const std::unique_ptr<QMenu> alone = BuildOpenMenu(state, nullptr); // the skin's "open" button shows it
    for (const QMenu* open : {menu->actions().at(10)->menu(), alone.get()}) {
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

TEST(PopupMenu, ItemsButtonsAndTheZoomSliderTellTheirKeys)
{
    AppState state;
    UseDefaultSettings(state);
    state.settings.sk(4) = 2; // Ctrl+X turns forward
    const std::unique_ptr<QMenu> menu = BuildPopupMenu(state, nullptr);
    QStringList items;
    for (const QAction* action : menu->actions())
        items << action->text();
    EXPECT_TRUE(items.contains(QStringLiteral("Next Page \tCTRL + X"))) << items.join(u'|').toStdString();
    EXPECT_TRUE(items.contains(QStringLiteral("Stretched View\tW"))) << "a text without a tab gets one";
    EXPECT_EQ(items.back(), QStringLiteral("About Bullevista..."));

    SkinLayout& skin = state.skin;
    for (const char* word : {"foward", "minimize", "nosuchword"})
        skin.buttons.records.push_back({10 + 30 * int(skin.buttons.records.size()), 10, 20, 20, 0, 0, word});
    skin.sliders.records.push_back({10, 50, 100, 10, 0, 0, 0, 5, QStringLiteral("zoom")});
    state.view.zoom = 25;
    const QSize window(400, 150);
    EXPECT_EQ(SkinToolTipAt(state, window, QPoint(15, 15)), QStringLiteral("Next Page (CTRL + X)"));
    EXPECT_EQ(SkinToolTipAt(state, window, QPoint(45, 15)), QStringLiteral("Minimize"));
    EXPECT_EQ(SkinToolTipAt(state, window, QPoint(75, 15)), QString());
    EXPECT_EQ(SkinToolTipAt(state, window, QPoint(50, 55)), QStringLiteral("Zoom: 125 %"));
    EXPECT_EQ(SkinToolTipAt(state, window, QPoint(300, 100)), QString());
}

TEST(MainWindowGrip, ADoubleClickOnTheDragAreaMaximisesAndGivesTheSizeBack)
{
    AppState state;
    UseDefaultSettings(state);
    state.skin.moveArea = {0, 0, 300, 30};
    MainWindow window(state);
    window.show();
    const QSize placed(state.settings.wndwidth, state.settings.wndheight);
    const auto doubleClick = [&](QPoint at) {
        QMouseEvent click(QEvent::MouseButtonDblClick, at, window.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &click);
        QCoreApplication::processEvents();
    };
    doubleClick(QPoint(100, 100)); // below the drag area
    EXPECT_FALSE(window.isMaximized());
    doubleClick(QPoint(100, 10));
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(QSize(state.settings.wndwidth, state.settings.wndheight), placed) << "the screen's size is not saved";
    doubleClick(QPoint(100, 10));
    EXPECT_FALSE(window.isMaximized());
}
