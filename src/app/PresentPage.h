// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the windows show of the book: the page counter in the "main" text and the page, or the product
// title when no book is open.

#include <QString>

struct AppState;

// Writes the page counter ("PAGE : 3/24 (name)") into the skin text "main" and shows the page: the
// offsets go to the page's top (or the remembered position), the scaled copy is rebuilt when needed,
// and both windows repaint. Called whenever the current page has been decoded and pageIndex names it.
void PresentPage(AppState& state);

// Back to no book: the "main" text shows the product title again and the page goes from the screen.
void ShowNoBook(AppState& state);

// The skin text "main", also the window's title. The caller repaints the main window.
void ShowMainText(AppState& state, const QString& text);
