#include "view/PageShown.h"

#include "book/BookState.h"
#include "common/Settings.h"
#include "view/ViewState.h"

bool ApplyPageShown(BookState& book, ViewState& view, const Settings& settings)
{
    book.scrollX = 0;
    book.scrollY = 0;
    if (book.resumePending) {
        book.scrollX = settings.previousx;
        book.scrollY = settings.previousy;
        book.resumePending = false;
    }
    if (settings.startstretched > 0)
        view.stretched = true;
    if (view.stretched)
        view.rerenderPending = true;
    return view.stretched;
}
