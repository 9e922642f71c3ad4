// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page overview over the page view ("overview"): opened with its thumbnail worker, closed when a
// page is chosen, on Esc, and before the book changes or closes. And the cover of a book just opened.

#include "book/ThumbnailWorker.h"

struct AppState;

// The thumbnails of the open book, focused on the page shown: its page files, whether each is written
// (asked on the worker's thread), its thumbnail folder and the display corrections.
ThumbnailJob ThumbnailJobOf(const AppState& state);

// A book just opened whose thumbnail folder has no cover.png gets its page 1 thumbnail made in the
// background (once written, for an archive), so the recent books show its real cover.
void MakeCoverIfMissing(AppState& state);

// Closes the overview, if open: its worker stopped and waited for, the grid gone.
void ClosePageOverview(AppState& state);
