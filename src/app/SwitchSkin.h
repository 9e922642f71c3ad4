// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Making another skin the running one.

#include <QString>

struct AppState;

// Loads the skin `name` (its layout, then its bitmaps), falling back to "default" with the messages of
// the start-up's load; `skinname` becomes the skin loaded. The new layout shows the program's texts and
// the zoom again, the page view takes the new page area, and the window is redrawn. When the default skin
// fails too the program ends, once the current event is over.
void SwitchSkin(AppState& state, const QString& name);
