#pragma once
// The calls the lower layers make upward, installed for as long as one AppHooks lives: the page view's
// mouse gestures and its hold on the left button run commands, and an archive of several books asks the
// reader through the book-choice dialog. RunBullevista holds one for the whole run; tests hold one for
// their own AppState.

#include "book/archive/BookChooser.h"
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
    BookChooser m_previousChooser;
};
