// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page view's popup menu (menu 106) and its "Open" submenu, which the skin's "open" button shows
// on its own. The "menu" command (ShowPopupMenu, with the command table) ends a smooth scroll and a
// left-button gesture in the page view, shows the popup at the pointer and runs the item chosen.

#include "app/CommandTable.h"
#include "app/HistoryStore.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QPoint;
class QWidget;
struct AppState;
struct Settings;

// The id of the informational items the menu adds; they are disabled and never chosen.
inline constexpr int kMenuInfoItemId = 1;
// The "Open" menu lists the books read last, with ids from kRecentBookFirstId on.
inline constexpr int kRecentBooksListed = 10;
inline constexpr int kRecentBookFirstId = 60000;

// One row of the popup: what it shows and, for an item, its command, whose menu id the item carries.
struct MenuEntry {
    enum Kind { Item, Separator, Submenu, EndSubmenu };
    Kind kind = Item;
    const char* text = ""; // untranslated
    Command command = {};
};

// Menu 106's popup as built in, in order: items, separators and the two submenus with their items.
const std::vector<MenuEntry>& PopupMenuEntries();

// The popup's text of a command, translated and without its key column ("Next Page"); for the commands
// the popup lacks, a name of their own ("Minimize").
QString CommandMenuText(Command command);

// The key a command's slot holds, as the Controls page writes it ("CTRL + Q"); empty without one.
QString CommandKeyText(const Settings& settings, Command command);

// The text of the previous-run item: the last component of `previousbook`, a folder keeping its
// trailing separator ("/books/vol1/" gives "vol1/").
QString PreviousBookLabel(const QString& previousbook);

// A recent book's item: the last component of its path, and the page it was left at of its pages
// ("12/180").
QString RecentBookLabel(const QString& bookPath);
QString RecentBookPageText(const HistoryRow& row);

// The popup, translated, each item with its key after a tab (Qt shows it as the shortcut column), with
// the previous-run items (or "Book from last session" disabled), the books read last and the checks of
// the stretched and flipped views. Each action carries its id as data and
// object name.
std::unique_ptr<QMenu> BuildPopupMenu(AppState& state, QWidget* parent);

// The "Open" submenu alone, prepared the same way.
std::unique_ptr<QMenu> BuildOpenMenu(AppState& state, QWidget* parent);

// Shows `menu` at `screenPos` and runs what is chosen: a command, or a recent book opened.
void RunMenu(AppState& state, std::unique_ptr<QMenu> menu, const QPoint& screenPos);

// Shows a menu at a screen position and answers the id chosen, 0 for none. Replaceable for tests:
// SetMenuTracker returns the tracker it replaces; an empty one shows the menu.
using MenuTracker = std::function<int(QMenu& menu, const QPoint& screenPos)>;
MenuTracker SetMenuTracker(MenuTracker tracker);
int TrackMenu(QMenu& menu, const QPoint& screenPos);
