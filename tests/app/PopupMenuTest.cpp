// The popup menu as built in: texts with their blanks and tabs, ids, separators and submenus at their
// positions, the previous-run items and the view checks; and the window menu.

#include "app/AppState.h"
#include "app/PopupMenu.h"
#include "app/WindowMenu.h"
#include "support/TestState.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

// One line per entry: "text|id", "-" for a separator, "text>" for a submenu, then its entries
// indented; disabled and checked entries are marked.
QStringList describe(const QMenu& menu, const QString& indent = {})
{
    QStringList lines;
    for (const QAction* action : menu.actions()) {
        QString line;
        if (action->isSeparator())
            line = QStringLiteral("-");
        else if (action->menu())
            line = action->text() + u'>';
        else
            line = action->text() + u'|' + QString::number(action->data().toInt());
        if (!action->isEnabled())
            line += QStringLiteral(" [disabled]");
        if (action->isChecked())
            line += QStringLiteral(" [checked]");
        lines << indent + line;
        if (action->menu())
            lines << describe(*action->menu(), indent + QStringLiteral("  "));
    }
    return lines;
}

QStringList builtInMenu(const QStringList& openTail)
{
    QStringList lines = {
        "Toggle Fullscreen|40007", "-", "Stretched View|40017", "Flipped View|40018", "-", "Open>",
        "  A File...|40002", "  A Directory...|40016", "  -",
    };
    lines << openTail;
    lines << QStringList{
        "-", "Info... \t|40004", "Preferences...\t|40014", "-", "Zoom>", "  100%|40008", "  125%|40012",
        "  150%|40009", "  175%|40010", "  200%|40011", "-", "Next Page \t|40005", "Previous Page \t|40006", "-",
        "Jump To... \t|40013", "-", "Quit|40015",
    };
    return lines;
}

} // namespace

TEST(PopupMenu, IsBuiltExactlyWithTheLastSessionItemDisabledWhenThereIsNone)
{
    AppState state;
    UseDefaultSettings(state);
    std::unique_ptr<QMenu> menu = BuildPopupMenu(state, nullptr);
    EXPECT_EQ(describe(*menu), builtInMenu({"  Book from last session|40019 [disabled]"}));
}

TEST(PopupMenu, ShowsThePreviousBookAndItsPageAndTheViewChecks)
{
    AppState state;
    UseDefaultSettings(state);
    state.settings.previousbook = QStringLiteral("/books/vol1/");
    state.settings.previouspage = 4;
    state.view.stretched = true;
    state.view.flipped = true;
    std::unique_ptr<QMenu> menu = BuildPopupMenu(state, nullptr);
    QStringList expected = builtInMenu({"  Book from last session|40019", "  vol1/|1 [disabled]",
                                        "  Page number : 5|1 [disabled]"});
    expected[2] += QStringLiteral(" [checked]");
    expected[3] += QStringLiteral(" [checked]");
    EXPECT_EQ(describe(*menu), expected);
    EXPECT_EQ(menu->actions().at(2)->objectName(), QStringLiteral("40017"));
}

TEST(PopupMenu, TheOpenMenuStandsAlone)
{
    AppState state;
    UseDefaultSettings(state);
    state.settings.previousbook = QStringLiteral("/books/vol2.cbz");
    state.settings.previouspage = 0;
    std::unique_ptr<QMenu> menu = BuildOpenMenu(state, nullptr);
    EXPECT_EQ(describe(*menu), QStringList({"A File...|40002", "A Directory...|40016", "-",
                                            "Book from last session|40019", "vol2.cbz|1 [disabled]",
                                            "Page number : 1|1 [disabled]"}));
}

TEST(PopupMenu, PreviousBookLabelKeepsAFoldersSeparator)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/books/vol1/", "vol1/"}, {"/books/vol1.cbz", "vol1.cbz"}, {"vol1.cbz", "vol1.cbz"},
        {"/", "/"},                {"/a", "a"},                     {"x/", "x/"},
    };
    for (const auto& [book, label] : cases)
        EXPECT_EQ(PreviousBookLabel(QString::fromLatin1(book)), QString::fromLatin1(label)) << book;
}

TEST(WindowMenu, HoldsMinimizeCloseAndAbout)
{
    std::unique_ptr<QMenu> menu = BuildWindowMenu(nullptr);
    EXPECT_EQ(describe(*menu), QStringList({"Mi&nimize|61472", "&Close|61536", "-", "&About...|1019"}));
    EXPECT_TRUE(IsWindowMenuKey(QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier)));
    EXPECT_FALSE(IsWindowMenuKey(QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier)));
    EXPECT_FALSE(IsWindowMenuKey(QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier | Qt::ControlModifier)));
}
