// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every command of the program, one row each in CommandTable.cpp: the function that performs it, and the
// action word, menu item, gesture and key slot that ask for it. Skin buttons, the popup and window
// menus, the page view's gestures and the key slots all find their command here (Commands.h runs it),
// and the Controls page names the slots and gestures by the rows' string ids. A new command is an
// enumerator, its row and its handler.

#include "dialogs/keys/ControlNames.h"

#include <QString>
#include <QStringView>
#include <cstddef>
#include <optional>
#include <string_view>

struct AppState;

// In the order of the rows.
enum class Command {
    Menu,
    Close,
    Minimize,
    Flip,
    Stretch,
    Fullscreen,
    OpenLast,
    OpenDir,
    Open,
    Info,
    Option,
    Forward,
    Back,
    Jump,
    Overview,
    ScrollUp,
    ScrollDown,
    ScrollLeft,
    ScrollRight,
    ZoomIn,
    ZoomOut,
    ScrollToTop,
    ScrollToEnd,
    Zoom100,
    Zoom125,
    Zoom150,
    Zoom175,
    Zoom200,
    ScrollOrForward,
    ScrollOrBack,
    LeaveFullscreen,
    RotateLeft,
    RotateRight,
    TwoPages,
    ShiftPairs,
    MangaOrder,
    About,
};
inline constexpr std::size_t kCommandCount = std::size_t(Command::About) + 1; // the last enumerator + 1

// A key slot (settings `vk<slot>` and `sk<slot>`) and the string id naming it on the Controls page.
struct KeySlot {
    int slot = -1; // -1: none
    int name = 0;
};

// A gesture action number (the values of `dblleftm`, `rightm`, `middlem`, `leftrightm`) and the string
// id naming it among the Controls page's choices.
struct Gesture {
    int code = -1; // -1: none
    int name = 0;
};

using CommandHandler = void (*)(AppState& state);

struct CommandInfo {
    Command command;
    std::u16string_view word; // carried by skin buttons; empty: none
    int menuId;               // the item of the popup menu (or of the window menu) that runs it; 0: none
    KeySlot key;
    Gesture gesture;
    CommandHandler run;
};

const CommandInfo& CommandInfoOf(Command command);

// The command a word, a menu item, a gesture or a key slot asks for; none for anything else. A word
// matches only whole: "open" is not "opendir".
std::optional<Command> CommandWithWord(QStringView word);
std::optional<Command> CommandWithMenuId(int menuId);
std::optional<Command> CommandWithGesture(int code);
std::optional<Command> CommandWithKeySlot(int slot);

// What the Controls page calls the key slots and the gesture choices.
ControlNames CommandControlNames();

// The handlers, each in the file of its kind.
// PageTurn.cpp
void TurnForward(AppState& state);
void TurnBack(AppState& state);
void FlipPage(AppState& state);
void RotatePageLeft(AppState& state);  // a quarter turn anticlockwise, for the book open now
void RotatePageRight(AppState& state); // a quarter turn clockwise
void ToggleTwoPages(AppState& state);   // two pages side by side, for the open book and the next
void ShiftPairs(AppState& state);       // pairs moved by one page
void ToggleMangaOrder(AppState& state); // pairs read right to left
// ViewCommands.cpp
void ScrollUp(AppState& state);
void ScrollDown(AppState& state);
void ScrollLeft(AppState& state);
void ScrollRight(AppState& state);
void ScrollToTop(AppState& state);
void ScrollToEnd(AppState& state);
void ZoomIn(AppState& state);
void ZoomOut(AppState& state);
void SetZoom(AppState& state, int zoom); // the zoom presets: 0..100, added to 100 %
void ToggleStretchedView(AppState& state);
void ScrollOrTurnForward(AppState& state); // one view down, or the next page at the page's end
void ScrollOrTurnBack(AppState& state);    // one view up, or the previous page's end at the top
// OpenCommands.cpp
void OpenChosenFile(AppState& state);
void OpenChosenFolder(AppState& state);
void OpenLastBook(AppState& state);
// Opens a book of the recent books; one no longer there is said so.
void OpenRecentBook(AppState& state, const QString& bookPath);
// PageOverviewCommand.cpp
void ShowPageOverview(AppState& state);
// DialogCommands.cpp
void JumpToChosenPage(AppState& state);
void ShowBookInfo(AppState& state);
void ShowPreferences(AppState& state);
// WindowCommands.cpp
void QuitProgram(AppState& state);
void MinimizeWindow(AppState& state);
void ToggleFullscreen(AppState& state);
void LeaveFullscreen(AppState& state);
void ShowAbout(AppState& state);
// PopupMenu.cpp
void ShowPopupMenu(AppState& state);
