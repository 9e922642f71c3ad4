// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PageTurn.h"

#include "app/AppState.h"
#include "app/CommandTable.h"
#include "app/PagesForView.h"
#include "app/PresentPage.h"
#include "book/ComicInfo.h"
#include "book/PagePairs.h"
#include "book/Preload.h"
#include "image/PairImage.h"
#include "common/ShowMessage.h"
#include "view/PageView.h"
#include "view/PageGeometry.h"
#include "view/SmoothScroll.h"

#include <algorithm>

namespace {
// The widths learnt while decoding the pages from `first` on, kept for pairing.
void noteWidths(ViewState& view, std::int32_t first, const PreloadedPage& page)
{
    if (first < 0)
        return;
    if (view.widePages.size() <= std::size_t(first) + 1)
        view.widePages.resize(std::size_t(first) + 2, false);
    if (!page.image.isNull() || page.firstWide)
        view.widePages[std::size_t(first)] = page.firstWide;
    if (page.pagesShown == 2 || page.secondWide)
        view.widePages[std::size_t(first) + 1] = page.secondWide;
}

// What the view shows at `first` now: that page, or in the two-page view the pair it starts.
PreloadRequest shownPagesRequest(const AppState& state, std::int32_t first, std::int32_t count, QSize fitWithin)
{
    const BookState& book = state.book;
    return {PagePath(book, first), state.view.flipped, DecodeOptionsOf(state), first,
            count == 2 ? PagePath(book, first + 1) : QString(), state.view.rightToLeft, fitWithin};
}

// Decodes the page `pageIndex` names into the current record, with the page beside it in the two-page
// view (`pageIndex` then goes to the pair's first page), fitted within `fitWithin` when given; shown
// even when this fails.
void decodeCurrentPage(AppState& state, QSize fitWithin)
{
    BookState& book = state.book;
    const PagePair pair = state.view.twoPages ? PairShownAt(state, book.pageIndex) : PagePair{book.pageIndex, 1};
    book.pageIndex = pair.first;
    PreloadedPage page{shownPagesRequest(state, pair.first, pair.count, fitWithin), std::move(book.current), 1,
                       false, false};
    DecodeRequested(page);
    if (state.view.twoPages)
        noteWidths(state.view, pair.first, page);
    book.current = std::move(page.image);
    state.view.pagesShown = page.pagesShown;
}

// The preloaded page or pair, when it is what the view shows at `pageIndex` now.
bool takePreloaded(AppState& state)
{
    BookState& book = state.book;
    ViewState& view = state.view;
    if (!view.twoPages) {
        view.pagesShown = 1;
        return TakePreloadedPage(state.preload, book, view.flipped, FittedViewBox(state));
    }
    std::optional<PreloadedPage> page = TakePreloadedPair(state.preload, book, view.flipped, FittedViewBox(state));
    if (!page || page->request.rightToLeft != view.rightToLeft)
        return false;
    noteWidths(view, book.pageIndex, *page); // they decide the pair
    const PagePair pair = PairShownAt(state, book.pageIndex);
    if (pair.first != book.pageIndex || pair.count != page->pagesShown)
        return false;
    book.current = std::move(page->image);
    view.pagesShown = pair.count;
    return true;
}

// A new page starts at its top; a smooth scroll still running belongs to the page before.
void showNewPage(AppState& state)
{
    StopSmoothScroll(state.navigation);
    PresentPage(state);
}

// True when page `index` (and the page beside it in a pair) can be shown now; otherwise the missing one
// goes to the front of the extraction and the turn waits for it.
bool pageReadyOrWait(AppState& state, std::int32_t index, bool forward)
{
    ExtractionWaits& waits = state.extractionWaits;
    const PagePair pair = PairShownAt(state, index);
    std::int32_t missing = -1;
    for (std::int32_t page = pair.first + pair.count - 1; page >= pair.first; --page)
        if (!PageSettled(state.book, page))
            missing = page;
    if (missing < 0) {
        waits.page = -1;
        return true;
    }
    waits.page = index;
    waits.forward = forward;
    state.book.extraction->prioritise(std::size_t(missing));
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
    // looks the same, and so does a pair joined from pages decoded that size. Fitting the width scrolls
    // by rows of the full page, so that view gets it whole, and so do pages turned by a quarter, which
    // are turned after decoding.
    if (!view || !state.view.stretched || state.settings.wstretched || !state.settings.halftone
        || state.view.quarterTurns != 0)
        return {};
    return view->viewPixels();
}

void DecodeFullPage(AppState& state)
{
    BookState& book = state.book;
    if (!book.current.reduced)
        return;
    PreloadedPage full{shownPagesRequest(state, book.pageIndex, state.view.pagesShown, {}), {}, 1, false, false};
    if (!DecodeRequested(full) || full.pagesShown != state.view.pagesShown) {
        book.current.reduced = false; // the fitted page stays; asked once
        return;
    }
    const QSize before = book.current.pixels.size();
    book.current = std::move(full.image);
    KeepPlaceOnPage(book, before);
    if (state.view.stretched && state.windows.pageView)
        state.windows.pageView->startCacheTimer();
}

void KeepPlaceOnPage(BookState& book, QSize before)
{
    const QSize after = book.current.pixels.size();
    book.scrollX = std::int32_t(std::int64_t(book.scrollX) * after.width() / std::max(1, before.width()));
    book.scrollY = std::int32_t(std::int64_t(book.scrollY) * after.height() / std::max(1, before.height()));
}

void TurnToPage(AppState& state, std::int32_t index, bool forward)
{
    // Pages made on demand are made around this one from now on, before its state is asked.
    if (state.book.extraction && index >= 0)
        state.book.extraction->readingAt(std::size_t(index));
    if (!pageReadyOrWait(state, index, forward))
        return;
    BookState& book = state.book;
    book.pageIndex = PairShownAt(state, index).first;
    if (forward) {
        if (!takePreloaded(state))
            decodeCurrentPage(state, FittedViewBox(state));
        showNewPage(state);
        ArmPreloadIfWanted(state);
        return;
    }
    DiscardPreloadedPage(state.preload, book);
    ArmPreloadIfWanted(state);
    decodeCurrentPage(state, FittedViewBox(state));
    showNewPage(state);
}

// "foward" and "back": one page on from the page turned to last (the one waited for, else the one
// shown), within the book; nothing without a book.
void TurnForward(AppState& state)
{
    BookState& book = state.book;
    if (!book.bookLoaded)
        return;
    // The waited-for turn has not shown its pages yet: the pair it will show counts.
    const PagePair shown = state.extractionWaits.page >= 0 ? PairShownAt(state, state.extractionWaits.page)
                                                           : PagePair{book.pageIndex, state.view.pagesShown};
    const int next = shown.first + shown.count;
    if (next >= book.PageList.count())
        return;
    TurnToPage(state, next, true);
}

void TurnBack(AppState& state)
{
    if (!state.book.bookLoaded)
        return;
    const int previous = PairShownAt(state, turnBase(state)).first - 1;
    if (previous < 0)
        return;
    TurnToPage(state, previous, false);
}

void FlipPage(AppState& state)
{
    state.view.flipped = !state.view.flipped;
    DecodeShownPageAgain(state);
}

namespace {
void rotatePage(AppState& state, std::int32_t quarterTurns)
{
    state.view.quarterTurns = QuarterTurnsAfter(state.view.quarterTurns, quarterTurns);
    if (state.book.bookLoaded)
        DecodeShownPageAgain(state);
    MakePagesForView(state);
}
} // namespace

void RotatePageLeft(AppState& state)
{
    rotatePage(state, -1);
}

void RotatePageRight(AppState& state)
{
    rotatePage(state, 1);
}

void DecodeShownPageAgain(AppState& state)
{
    state.extractionWaits.page = -1; // the page shown is the one turned
    DiscardPreloadedPage(state.preload, state.book);
    if (!state.book.bookLoaded || state.book.pageIndex >= state.book.PageList.count()) {
        state.book.pageIndex -= 1;
        return;
    }
    TurnToPage(state, state.book.pageIndex, true);
}

PagePair PairShownAt(const AppState& state, std::int32_t index)
{
    if (!state.view.twoPages)
        return {index, 1};
    return PairHolding(index, std::int32_t(state.book.PageList.count()),
                       {state.settings.coveralone, state.view.pairsShifted}, state.view.widePages);
}

void ToggleTwoPages(AppState& state)
{
    state.view.twoPages = !state.view.twoPages;
    state.settings.doublepage = state.view.twoPages; // the next book opens the same way
    if (state.book.bookLoaded)
        DecodeShownPageAgain(state);
}

void ShiftPairs(AppState& state)
{
    state.view.pairsShifted = !state.view.pairsShifted;
    if (state.view.twoPages && state.book.bookLoaded)
        DecodeShownPageAgain(state);
}

void ToggleMangaOrder(AppState& state)
{
    state.view.rightToLeft = !state.view.rightToLeft;
    state.settings.mangaorder = state.view.rightToLeft;
    if (state.view.twoPages && state.book.bookLoaded)
        DecodeShownPageAgain(state);
}

void ApplyComicInfo(AppState& state)
{
    if (state.view.rightToLeft || !BookReadsRightToLeft(state.book.BookDir))
        return;
    state.view.rightToLeft = true;
    if (state.view.twoPages && state.book.bookLoaded && state.extractionWaits.page < 0)
        DecodeShownPageAgain(state);
}

void ReadComicInfoWhenWritten(AppState& state)
{
    ExtractionWaits& waits = state.extractionWaits;
    if (waits.comicInfo < 0 || !state.book.extraction)
        return;
    BookExtraction& extraction = *state.book.extraction;
    if (extraction.state(std::size_t(waits.comicInfo)) == FileWrite::Pending) {
        if (waits.page < 0) // a turn waiting for its page goes first
            extraction.prioritise(std::size_t(waits.comicInfo));
        return;
    }
    waits.comicInfo = -1;
    ApplyComicInfo(state);
    // The pages after the ones shown come next again.
    const std::int32_t next = state.book.pageIndex + state.view.pagesShown;
    if (waits.page < 0 && next < state.book.PageList.count())
        extraction.prioritise(std::size_t(next));
}

void ResumeWaitingTurn(AppState& state)
{
    ExtractionWaits& waits = state.extractionWaits;
    ReadComicInfoWhenWritten(state);
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
    const std::int32_t next = state.book.pageIndex + state.view.pagesShown;
    if (next >= state.book.PageList.count())
        return;
    const PagePair pair = PairShownAt(state, next);
    for (std::int32_t page = pair.first; page < pair.first + pair.count; ++page)
        if (!PageSettled(state.book, page)) {
            state.extractionWaits.preload = page;
            return;
        }
    PreloadPair(state.preload, state.book, pair, state.view.flipped, state.view.rightToLeft, DecodeOptionsOf(state),
                FittedViewBox(state));
}
