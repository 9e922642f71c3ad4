// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user-interface side of an archive book whose files are still being written: the worker's wake-ups,
// which let a waiting turn or preload go on (PageTurn), move the progress strip on the page view and show
// the messages of damaged entries.

#include "common/platform/WakePipe.h"

#include <QObject>
#include <functional>
#include <memory>

struct AppState;

// Takes the worker's notifications on the user-interface thread. The worker only wakes a pipe that
// this thread reads: nothing made on the worker thread is touched here.
class ExtractionReceiver : public QObject {
public:
    explicit ExtractionReceiver(AppState& state);
    // Safe from any thread.
    void notify() const;

private:
    WakePipe m_wake;
};

// What the worker calls after each file: a queued ExtractionProgressed.
std::function<void()> ExtractionNotifier(AppState& state);

// On the user-interface thread, after the worker settled a file: a waiting turn or preload goes on, the
// strip follows, and messages whose turn has come are shown.
void ExtractionProgressed(AppState& state);

// Stops the extraction and waits for its worker (before WorkDir is emptied, and at the end of the run).
void StopExtraction(AppState& state);
