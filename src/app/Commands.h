#pragma once
// Every user command ends here: command ids from the key slots, action words from skin buttons, and
// the mouse-action codes of the page view's gestures.

#include <QStringView>

struct AppState;

// Key slot i sends command id i + 1.
void RunCommand(AppState& state, int commandId);

// Performs one action word ("close", "foward", "opendir" ...); a word that matches none does nothing.
void RunAction(AppState& state, QStringView word);
