// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calls the lower layers make upward, installed for as long as one AppHooks lives: the page view's
// mouse gestures and its hold on the left button run commands. RunBullevista holds one for the whole
// run; tests hold one for their own AppState.

#include "view/MouseActions.h"

struct AppState;

class AppHooks {
public:
    explicit AppHooks(AppState& state);
    ~AppHooks(); // puts back what was installed before
    AppHooks(const AppHooks&) = delete;
    AppHooks& operator=(const AppHooks&) = delete;

private:
    MouseActionRunners m_previousRunners;
};
