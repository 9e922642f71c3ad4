// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wakes the user-interface thread from another thread, or from a signal handler: notify() writes a
// byte into a pipe whose reading end a socket notifier watches on the thread that made the WakePipe.
// Wake-ups that arrive together are drained and answered with one call.

#include <QSocketNotifier>
#include <functional>
#include <memory>

class WakePipe {
public:
    // `onWake` runs on the thread that makes the pipe. Without a pipe (no descriptors left) nothing
    // ever wakes.
    explicit WakePipe(std::function<void()> onWake);
    ~WakePipe();
    WakePipe(const WakePipe&) = delete;
    WakePipe& operator=(const WakePipe&) = delete;

    // False when the pipe couldn't be made.
    bool isOpen() const { return m_notifier != nullptr; }

    // Safe from any thread and from a signal handler. A full pipe already holds a wake-up, so a
    // write that fails loses nothing.
    void notify() const;

private:
    void drain();

    int m_pipe[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void()> m_onWake;
};
