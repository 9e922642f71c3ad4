#pragma once
// Preloading the page after the current one, on a worker thread, two seconds after each page change.
//
// The two-second timer runs on the user-interface thread; when it fires, PreloadPage reads the book
// there and hands the worker a finished request (file path, flipped, corrections), so the worker never
// sees the page list change under it. A decoded page waits inside the worker until a forward turn
// takes it; every other page change or book change throws it away.

#include "book/PreloadWorker.h"

#include <QTimer>

struct AppState;

// The preload machinery of the running program (a member of AppState).
struct PreloadState {
    QTimer timer;              // the one-shot two-second PreloadTimer
    bool timerConnected = false;
    PreloadWorker worker;
};

inline constexpr int kPreloadDelayMs = 2000;

// Restarts the two-second preload timer (callers check `preloadnextpage`).
void ArmPreload(AppState& state);

// The timer's work: queues the decode of the page after the current one, if there is one.
void PreloadPage(AppState& state);

// Moves a completely decoded preloaded page into the current record; false when there is none, or when
// the page that was preloaded is not the current page any more.
bool TakePreloadedPage(AppState& state);

// Throws the preloaded page away, together with the result of a decode still running for it.
void DiscardPreloadedPage(AppState& state);

// Stops the timer, discards the preloaded page and waits for a running decode: before a book changes
// and at the end of the run.
void CancelPreload(AppState& state);
