// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Preloading the page after the current one, on a worker thread, two seconds after each page change.
//
// The two-second timer runs on the user-interface thread; when it fires, the caller's work (normally
// PreloadPage) reads the book there and hands the worker a finished request (file path, flipped,
// corrections), so the worker never sees the page list change under it. A decoded page waits inside
// the worker until a forward turn takes it; every other page change or book change throws it away.

#include "book/BookState.h"
#include "book/PagePairs.h"
#include "book/PreloadWorker.h"

#include <QTimer>
#include <functional>

// The preload machinery of the running program.
struct PreloadState {
    PreloadState();
    QTimer timer; // the one-shot two-second PreloadTimer
    std::function<void()> whenDue;
    PreloadWorker worker;
};

inline constexpr int kPreloadDelayMs = 2000;

// Restarts the two-second timer; `whenDue` runs on this thread when it fires (callers check
// `preloadnextpage`). False when the timer could not be started: nothing will be preloaded.
[[nodiscard]] bool ArmPreload(PreloadState& preload, std::function<void()> whenDue);

// The timer's work: queues the decode of the page after the current one, if there is one; with a
// `fitWithin` box it is decoded fitted within it, ready to be shown as it is.
void PreloadPage(PreloadState& preload, const BookState& book, bool flipped, const DecodeOptions& options,
                 QSize fitWithin = {});

// The same for the two-page view: the pages of `pair`, joined (first on the right when `rightToLeft`)
// and fitted within `fitWithin` when given.
void PreloadPair(PreloadState& preload, const BookState& book, PagePair pair, bool flipped, bool rightToLeft,
                 const DecodeOptions& options, QSize fitWithin = {});

// The preloaded page or pair whose first page is the current page, turned the `flipped` way and fitted
// within the same box; nothing when there is none. The caller checks that the pair still fits.
std::optional<PreloadedPage> TakePreloadedPair(PreloadState& preload, const BookState& book, bool flipped,
                                               QSize fitWithin = {});

// Moves a completely decoded preloaded page into the current record; false when there is none, or when
// the page that was preloaded is not the current page (turned the `flipped` way, fitted within the
// same box) any more.
bool TakePreloadedPage(PreloadState& preload, BookState& book, bool flipped, QSize fitWithin = {});

// Throws the preloaded page away, together with the result of a decode still running for it.
void DiscardPreloadedPage(PreloadState& preload, BookState& book);

// Stops the timer, discards the preloaded page and waits for a running decode: before a book changes
// and at the end of the run.
void CancelPreload(PreloadState& preload, BookState& book);
