#pragma once
// The page view's popup menu (menu 106) and its "Open" submenu, which the skin's "open" button shows
// on its own.

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QPoint;
class QWidget;
struct AppState;

// Menu command ids.
enum MenuCommand : int {
    kMenuOpenFile = 40002,
    kMenuInfo = 40004,
    kMenuNextPage = 40005,
    kMenuPreviousPage = 40006,
    kMenuFullscreen = 40007,
    kMenuZoom100 = 40008,
    kMenuZoom150 = 40009,
    kMenuZoom175 = 40010,
    kMenuZoom200 = 40011,
    kMenuZoom125 = 40012,
    kMenuJump = 40013,
    kMenuPreferences = 40014,
    kMenuQuit = 40015,
    kMenuOpenDirectory = 40016,
    kMenuStretched = 40017,
    kMenuFlipped = 40018,
    kMenuOpenLast = 40019,
};
// The id of the informational items the menu adds; they are disabled and never chosen.
inline constexpr int kMenuInfoItemId = 1;

// One row of the popup: what it shows and, for an item, the command its id runs.
struct MenuEntry {
    enum Kind { Item, Separator, Submenu, EndSubmenu };
    Kind kind = Item;
    const char* text = ""; // untranslated
    int id = 0;
    void (*run)(AppState& state) = nullptr;
};

// Menu 106's popup as built in, in order: items, separators and the two submenus with their items.
const std::vector<MenuEntry>& PopupMenuEntries();

// Runs the popup item with this id (40002..40019, arriving at the page view); any other id does nothing.
void RunMenuCommand(AppState& state, int commandId);

// The text of the previous-run item: the last component of `previousbook`, a folder keeping its
// trailing separator ("/books/vol1/" gives "vol1/").
QString PreviousBookLabel(const QString& previousbook);

// The popup, translated, with the previous-run items (or "Book from last session" disabled) and the
// checks of the stretched and flipped views. Each action carries its id as data and object name.
std::unique_ptr<QMenu> BuildPopupMenu(const AppState& state, QWidget* parent);

// The "Open" submenu alone, prepared the same way.
std::unique_ptr<QMenu> BuildOpenMenu(const AppState& state, QWidget* parent);

// Shows a menu at a screen position and answers the id chosen, 0 for none. Replaceable for tests:
// SetMenuTracker returns the tracker it replaces; an empty one shows the menu.
using MenuTracker = std::function<int(QMenu& menu, const QPoint& screenPos)>;
MenuTracker SetMenuTracker(MenuTracker tracker);
int TrackMenu(QMenu& menu, const QPoint& screenPos);

// MouseAction 2: ends a left-button gesture in the page view, shows the popup at the pointer and runs
// the chosen menu command.
void ShowPopupMenu(AppState& state);
