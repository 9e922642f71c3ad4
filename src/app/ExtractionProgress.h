#pragma once
// The user-interface side of an archive book whose files are still being written: a page turned to
// before it is written, the preload of such a page, the progress strip on the page view and the
// messages of damaged entries. The worker's notifications arrive here as queued calls.

#include "common/platform/WakePipe.h"

#include <QObject>
#include <cstdint>
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

struct ExtractionWaits {
    std::unique_ptr<ExtractionReceiver> receiver; // made with the first notifier; a queued call goes with it
    std::int32_t page = -1;                       // the page turned to that isn't written yet; -1: none
    bool forward = false;                         // that turn was one page forward
    std::int32_t preload = -1;                    // the page to preload once it is written; -1: none
    bool showingMessages = false;
};

// What the worker calls after each file: a queued ExtractionProgressed.
std::function<void()> ExtractionNotifier(AppState& state);

// On the user-interface thread, after the worker settled a file: a waiting turn or preload goes on, the
// strip follows, and messages whose turn has come are shown.
void ExtractionProgressed(AppState& state);

// True when page `index` can be shown now. Otherwise it goes to the front of the extraction and the turn
// is remembered: it completes (TurnToPage) when the page is written. Any earlier wait is dropped.
bool PageReadyOrWait(AppState& state, std::int32_t index, bool forward);

// The page a turn counts from: the one waited for, else the one shown.
std::int32_t TurnBase(const AppState& state);

// Stops the extraction and waits for its worker (before WorkDir is emptied, and at the end of the run).
void StopExtraction(AppState& state);
