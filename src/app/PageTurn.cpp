#include "app/PageTurn.h"

#include "app/AppState.h"
#include "app/CommandTable.h"
#include "app/PresentPage.h"
#include "book/Preload.h"
#include "common/ShowMessage.h"
#include "view/PageView.h"
#include "view/SmoothScroll.h"

#include <algorithm>

namespace {
// Decodes page `pageIndex` into the current record, fitted for the view when that looks the same; the
// page is shown even when this fails.
void decodeCurrentPage(AppState& state)
{
    BookState& book = state.book;
    DecodePage(book.current, PagePath(book, book.pageIndex), state.view.flipped, DecodeOptionsOf(state),
               FittedViewBox(state));
}

// A new page starts at its top; a smooth scroll still running belongs to the page before.
void showNewPage(AppState& state)
{
    StopSmoothScroll(state.navigation);
    PresentPage(state);
}

// True when page `index` can be shown now; otherwise it goes to the front of the extraction and the turn
// waits for it.
bool pageReadyOrWait(AppState& state, std::int32_t index, bool forward)
{
    ExtractionWaits& waits = state.extractionWaits;
    if (PageSettled(state.book, index)) {
        waits.page = -1;
        return true;
    }
    waits.page = index;
    waits.forward = forward;
    state.book.extraction->prioritise(std::size_t(index));
    return false;
}

// The page a turn counts from: the one waited for, else the one shown.
std::int32_t turnBase(const AppState& state)
{
    return state.extractionWaits.page >= 0 ? state.extractionWaits.page : state.book.pageIndex;
}
} // namespace

DecodeOptions DecodeOptionsOf(const AppState& state)
{
    return {state.settings.norm, state.settings.contrastval};
}

QSize FittedViewBox(const AppState& state)
{
    const PageView* view = state.windows.pageView;
    // The smooth fit-page view shows an area-averaged copy of the whole page: a page decoded at that size
    // looks the same. Fitting the width scrolls by rows of the full page, so that view gets it whole.
    if (!view || !state.view.stretched || state.settings.wstretched || !state.settings.halftone)
        return {};
    return view->viewPixels();
}

void DecodeFullPage(AppState& state)
{
    BookState& book = state.book;
    if (!book.current.reduced)
        return;
    PageImage full;
    if (!DecodePage(full, PagePath(book, book.pageIndex), state.view.flipped, DecodeOptionsOf(state))) {
        book.current.reduced = false; // the fitted page stays; asked once
        return;
    }
    // The offsets count the page's pixels: the same place on the larger page.
    const QSize from = book.current.pixels.size(), to = full.pixels.size();
    book.scrollX = std::int32_t(std::int64_t(book.scrollX) * to.width() / std::max(1, from.width()));
    book.scrollY = std::int32_t(std::int64_t(book.scrollY) * to.height() / std::max(1, from.height()));
    book.current = std::move(full);
    if (state.view.stretched && state.windows.pageView)
        state.windows.pageView->startCacheTimer();
}

void TurnToPage(AppState& state, std::int32_t index, bool forward)
{
    if (!pageReadyOrWait(state, index, forward))
        return;
    BookState& book = state.book;
    book.pageIndex = index;
    if (forward) {
        if (!TakePreloadedPage(state.preload, book, state.view.flipped, FittedViewBox(state)))
            decodeCurrentPage(state);
        showNewPage(state);
        ArmPreloadIfWanted(state);
        return;
    }
    DiscardPreloadedPage(state.preload, book);
    ArmPreloadIfWanted(state);
    decodeCurrentPage(state);
    showNewPage(state);
}

// "foward" and "back": one page on from the page turned to last (the one waited for, else the one
// shown), within the book; nothing without a book.
void TurnForward(AppState& state)
{
    BookState& book = state.book;
    if (!book.bookLoaded)
        return;
    const int next = turnBase(state) + 1;
    if (next >= book.PageList.count())
        return;
    TurnToPage(state, next, true);
}

void TurnBack(AppState& state)
{
    if (!state.book.bookLoaded)
        return;
    const int previous = turnBase(state) - 1;
    if (previous < 0)
        return;
    TurnToPage(state, previous, false);
}

void FlipPage(AppState& state)
{
    state.view.flipped = !state.view.flipped;
    DecodeShownPageAgain(state);
}

void DecodeShownPageAgain(AppState& state)
{
    state.extractionWaits.page = -1; // the page shown is the one turned
    state.book.pageIndex -= 1;
    DiscardPreloadedPage(state.preload, state.book);
    TurnForward(state);
}

void ResumeWaitingTurn(AppState& state)
{
    ExtractionWaits& waits = state.extractionWaits;
    if (waits.page >= 0 && PageSettled(state.book, waits.page)) {
        const std::int32_t page = waits.page;
        waits.page = -1;
        TurnToPage(state, page, waits.forward);
    }
    if (waits.preload >= 0 && PageSettled(state.book, waits.preload)) {
        waits.preload = -1;
        PreloadNextPage(state);
    }
}

void ArmPreloadIfWanted(AppState& state)
{
    state.extractionWaits.preload = -1;
    if (!state.settings.preloadnextpage)
        return;
    if (!ArmPreload(state.preload, [&state] { PreloadNextPage(state); }))
        ShowMessage(QStringLiteral("error making timerpreload, report"), QStringLiteral("error"));
}

void PreloadNextPage(AppState& state)
{
    if (state.shutDown)
        return;
    const std::int32_t next = state.book.pageIndex + 1;
    if (next < state.book.PageList.count() && !PageSettled(state.book, next)) {
        state.extractionWaits.preload = next;
        return;
    }
    PreloadPage(state.preload, state.book, state.view.flipped, DecodeOptionsOf(state), FittedViewBox(state));
}
