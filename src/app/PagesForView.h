// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book whose pages are made for the view (a PDF): when the view's size, fit mode or zoom changes enough,
// its pages are made again, the page shown first, and each replaces its old picture once it is ready,
// so the old one stays on screen meanwhile.

struct AppState;

// 50 ms after the last change of the view's size, mode or zoom: the pages are made again when the page
// shown would be drawn noticeably larger than it was made, or the fit mode changed.
void MakePagesForView(AppState& state);

// After the worker settled a file: a page shown that was made again is decoded and shown again, at the
// same place on it; a preloaded page made again is preloaded again.
void ShowPagesMadeAgain(AppState& state);
