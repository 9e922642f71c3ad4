// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small window menu that Alt+Space opens on the frameless main window: Minimize and Close, which are
// the window's own, and the program's About.

#include <memory>

class QKeyEvent;
class QMenu;
class QWidget;
struct AppState;

// True for the key that opens the window menu (Alt+Space).
bool IsWindowMenuKey(const QKeyEvent& event);

enum WindowMenuCommand : int { kWindowMinimize = 0xF020, kWindowClose = 0xF060 };

std::unique_ptr<QMenu> BuildWindowMenu(QWidget* parent);

// Shows the menu at the window's top-left corner and performs the choice.
void ShowWindowMenu(AppState& state, QWidget* window);
