// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the page view does when a new page has become current.

struct BookState;
struct Settings;
struct ViewState;

// The page is turned by the view's quarter turns; the offsets go to the top-left corner, or to the remembered position of the page "openlast" restores
// (once); `startstretched` turns the stretched view on. Returns true when the stretched view is on, so
// the scaled page must be rebuilt for the new page (`rerenderPending` is then set).
bool ApplyPageShown(BookState& book, ViewState& view, const Settings& settings);
