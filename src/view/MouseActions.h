#pragma once
// The commands the page view's mouse gestures run (the `dblleftm`, `rightm`, `middlem` and
// `leftrightm` codes, and the turn after holding the left button). They belong to the program above the
// view, which installs them at start-up; with none installed a gesture does nothing.

#include <functional>

// 0 next page, 1 previous page, 2 popup menu, 3 stretched view on or off, 4 full screen.
inline constexpr int kMouseActionNextPage = 0;

using MouseActionRunner = std::function<void(int code)>;

// Replaces the runner and returns the previous one.
MouseActionRunner SetMouseActionRunner(MouseActionRunner runner);

void RunViewMouseAction(int code);
