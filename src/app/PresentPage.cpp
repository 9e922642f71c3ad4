// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PresentPage.h"

#include "app/AppState.h"
#include "app/BookHistory.h"
#include "app/ProductTitle.h"
#include "app/RecentShelf.h"
#include "book/PageCounter.h"
#include "view/PageShown.h"
#include "view/PageView.h"

void PresentPage(AppState& state)
{
    const BookState& book = state.book;
    ShowMainText(state, PageCounterText(PagePair{book.pageIndex, state.view.pagesShown}, book.PageList.count(),
                                        book.BookPath));
    const bool rebuild = ApplyPageShown(state.book, state.view, state.settings);
    if (PageView* view = state.windows.pageView) {
        if (rebuild)
            view->scalePageShown();
        view->update();
    }
    if (state.windows.main)
        state.windows.main->update();
    RememberPage(state);
    HideRecentShelf(state);
}

void ShowNoBook(AppState& state)
{
    ShowMainText(state, ProductTitle());
    if (state.windows.main)
        state.windows.main->update();
    if (state.windows.pageView)
        state.windows.pageView->update(); // a page the failed open discarded must not stay on screen
    UpdateRecentShelf(state);
}

void ShowMainText(AppState& state, const QString& text)
{
    SetSkinText(state.skin, state.skinTexts, QStringLiteral("main"), text);
    // The task bar shows it too.
    if (state.windows.main)
        state.windows.main->setWindowTitle(text);
}
