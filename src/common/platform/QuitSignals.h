// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM, SIGINT and SIGHUP (a session ending, Ctrl+C in the terminal) end the run the orderly way, as
// closing the window does, so the scratch folder is removed and the settings are kept.

#include <functional>

// Calls `onQuitSignal` on the user-interface thread when one of the signals arrives.
void InstallQuitSignals(std::function<void()> onQuitSignal);
