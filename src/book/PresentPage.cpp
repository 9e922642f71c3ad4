#include "book/OpenBook.h"

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/ProductTitle.h"
#include "book/PageCounter.h"
#include "skin/SkinText.h"
#include "view/PageShown.h"
#include "view/PageView.h"

void PresentPage(AppState& state)
{
    const BookState& book = state.book;
    SetSkinText(state, QStringLiteral("main"), PageCounterText(book.pageIndex, book.PageList.count(), book.BookPath));
    OnPageShown(state);
}

void ShowNoBook(AppState& state)
{
    SetSkinText(state, QStringLiteral("main"), ProductTitle());
    if (state.windows.main)
        state.windows.main->update();
    if (state.windows.pageView)
        state.windows.pageView->update(); // a page the failed open discarded must not stay on screen
}
