// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PagesForView.h"

#include "app/AppState.h"
#include "app/OpenBooks.h"
#include "app/PageTurn.h"
#include "book/PdfRender.h"
#include "book/Preload.h"
#include "view/PageView.h"

#include <algorithm>

void MakePagesForView(AppState& state)
{
    BookState& book = state.book;
    if (!book.extraction || !book.extraction->windowed() || book.current.isNull())
        return;
    const QSize box = PdfPageBox(state);
    if (box.width() <= 0) // no view; a height of 0 fits the width
        return;
    // The page shown tells how much larger it would be drawn (turned back, as it was made); a small change
    // keeps comparing against the box the pages were made for.
    const QSize made = state.view.quarterTurns % 2 ? book.current.pixels.size().transposed() : book.current.pixels.size();
    if (box == book.pageBox || !PdfBoxNeedsRender(made, book.pageBox, box))
        return;
    book.pageBox = box;
    book.extraction->renderAgain(box);
}

void ShowPagesMadeAgain(AppState& state)
{
    BookState& book = state.book;
    if (!book.extraction)
        return;
    const std::vector<std::size_t> again = book.extraction->takeRewritten();
    if (again.empty() || !book.bookLoaded)
        return;
    auto madeAgain = [&](std::int32_t page) {
        return std::find(again.begin(), again.end(), std::size_t(page)) != again.end();
    };
    const std::int32_t next = book.pageIndex + state.view.pagesShown;
    if (madeAgain(next) || madeAgain(next + 1)) {
        DiscardPreloadedPage(state.preload, book);
        ArmPreloadIfWanted(state);
    }
    // A turn waiting for its page decodes the new file anyway.
    if (state.extractionWaits.page >= 0 || !(madeAgain(book.pageIndex) || madeAgain(book.pageIndex + 1)))
        return;
    if (state.view.pagesShown < 2 && !madeAgain(book.pageIndex))
        return;
    // The reader stays where they were on the page, at its new size.
    const QSize before = book.current.pixels.size();
    DecodeShownPageAgain(state);
    KeepPlaceOnPage(book, before);
    if (PageView* view = state.windows.pageView)
        view->update();
}
