// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page turn, from the command to the page on screen: the page taken over from the preload or decoded,
// a page of an archive not written yet waited for without blocking, and the next page's preload armed.
// The page commands turn through here ("foward", "back" and "flip" are here themselves), and so does the
// extraction once the page waited for is written.

#include "book/PagePairs.h"

#include <QSize>
#include <cstdint>

struct AppState;
struct BookState;
struct DecodeOptions;

// How pages are decoded, from the settings.
DecodeOptions DecodeOptionsOf(const AppState& state);

// The box a page is decoded fitted within, for a turn or a preload: the page view's size in device
// pixels while the smooth fit-page view shows it; empty (the full page) otherwise.
QSize FittedViewBox(const AppState& state);

// The page shown, when it was decoded fitted for the view, decoded again at its full size (zoom, another
// mode, a larger view), its offsets moved to the same place; the page view asks for it before a paint.
void DecodeFullPage(AppState& state);

// The page shown was replaced by the same page at another size: its offsets, which count the page's
// pixels, move to the same place on it.
void KeepPlaceOnPage(BookState& book, QSize before);

// Shows page `index` (0-based, inside the book): taken from the preload when `forward`, otherwise decoded
// with the preload discarded. A page not written yet goes to the front of the extraction and the turn is
// remembered: it completes, counter and page together, once the page is written (ResumeWaitingTurn). Any
// earlier wait is dropped.
void TurnToPage(AppState& state, std::int32_t index, bool forward);

// The page shown, decoded again (turned the other way, or with new colour corrections): one page back,
// no preloaded page to take over, and forward again. Without a book the page index stays one lower.
void DecodeShownPageAgain(AppState& state);

// What the view shows for page `index`: the page alone, or in the two-page view the pair holding it.
PagePair PairShownAt(const AppState& state, std::int32_t index);

// After the extraction settled a file: a turn or a preload waiting for a page that is now written goes on.
void ResumeWaitingTurn(AppState& state);

// Manga order for the open book when its folder's ComicInfo.xml asks for it.
void ApplyComicInfo(AppState& state);

// With the extraction: reads the ComicInfo.xml waited for once it is settled, moving it to the front
// of the extraction until then.
void ReadComicInfoWhenWritten(AppState& state);

// Restarts the two-second preload timer when `preloadnextpage` is on.
void ArmPreloadIfWanted(AppState& state);

// What the timer does when it fires: queues the decode of the next page (not after ShutDown). A next page
// not written yet is preloaded once it is.
void PreloadNextPage(AppState& state);
