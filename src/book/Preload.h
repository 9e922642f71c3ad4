#pragma once
// Preloading the page after the current one, on a worker thread, two seconds after each page change.

struct AppState;

// Restarts the two-second preload timer (callers check `preloadnextpage`).
void ArmPreload(AppState& state);

// Moves a completely decoded preloaded page into the current record; false when there is none.
bool TakePreloadedPage(AppState& state);

// Throws the preloaded page away (and any preload pending or running for the old page).
void DiscardPreloadedPage(AppState& state);

// Stops the timer and waits for a running decode: before a book changes and at the end of the run.
void CancelPreload(AppState& state);
