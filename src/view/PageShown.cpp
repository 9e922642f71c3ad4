#include "view/PageShown.h"

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "view/PageView.h"

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

void OnPageShown(AppState& state)
{
    const bool rebuild = ApplyPageShown(state.book, state.view, state.settings);
    if (PageView* view = state.windows.pageView) {
        if (rebuild)
            view->startCacheTimer();
        view->update();
    }
    if (state.windows.main)
        state.windows.main->update();
}
