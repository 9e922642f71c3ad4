// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every user command ends here, in whichever vocabulary it arrives: the commands themselves (the key
// slots through the accelerators), action words from skin buttons, menu item ids, and the gesture codes
// of the page view. The command table says what each one means.

#include "app/CommandTable.h"

#include <QStringView>

struct AppState;

void RunCommand(AppState& state, Command command);

// An action word ("close", "foward", "opendir" ...); a word that matches none does nothing.
void RunAction(AppState& state, QStringView word);

// A popup or window menu item; any other id (the informational items, none chosen) does nothing.
void RunMenuCommand(AppState& state, int menuId);

// A gesture's action number: smooth scrolling stops, then its command runs. A number that names no
// command does only the first.
void RunMouseAction(AppState& state, int code);
