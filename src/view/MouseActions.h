// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the page view's mouse input runs: the gestures' configured actions (the `dblleftm`, `rightm`,
// `middlem` and `leftrightm` codes) and the turn to the next page after holding the left button. They
// belong to the program above the view, which installs them at start-up; with none installed nothing
// happens.

#include <functional>

struct MouseActionRunners {
    std::function<void(int code)> gesture;
    std::function<void()> nextPage;
};

// Replaces the runners and returns the previous ones.
MouseActionRunners SetMouseActionRunners(MouseActionRunners runners);

void RunViewMouseAction(int code);
void RunViewNextPage();
