// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recent books over the page view while no book is open.

struct AppState;

// Gives the shelf its hooks: a book opens, the hints run "open" and "opendir".
void ConnectRecentShelf(AppState& state);

// Shows the shelf, filled with the books read last, when no book is open; hides it otherwise.
void UpdateRecentShelf(AppState& state);

// Hides the shelf: a page is shown.
void HideRecentShelf(AppState& state);
