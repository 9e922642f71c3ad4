// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AppState;

// The orderly end: the scratch folder emptied and removed, the settings file written, the quit posted.
// Runs once; later calls do nothing.
void ShutDown(AppState& state);

// Posts the quit to the event loop; start-up goes on and the loop then ends at once.
void PostQuit(int code);
