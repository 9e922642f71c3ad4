// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/QuitSignals.h"

#include "common/platform/WakePipe.h"

#include <csignal>

namespace {
// Made once and kept to the end of the process: a signal may come at any moment.
const WakePipe* g_quitPipe = nullptr;

void onSignal(int)
{
    // Only async-signal-safe work here: wake the event loop through the pipe.
    g_quitPipe->notify();
}
} // namespace

void InstallQuitSignals(std::function<void()> onQuitSignal)
{
    auto* pipe = new WakePipe(std::move(onQuitSignal));
    if (!pipe->isOpen()) {
        delete pipe;
        return;
    }
    g_quitPipe = pipe;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}
