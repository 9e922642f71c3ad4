// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Preferences window over the running program: its pages reach the app through the hooks made here.

struct AppState;

// Opens the Preferences window owned by the main window; while one is open this does nothing.
void OpenPreferences(AppState& state);
