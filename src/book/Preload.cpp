#include "book/Preload.h"

#include "app/AppState.h"
#include "common/ShowMessage.h"

void ArmPreload(AppState& state)
{
    PreloadState& preload = state.preload;
    if (!preload.timerConnected) {
        preload.timer.setSingleShot(true);
        preload.timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&preload.timer, &QTimer::timeout, [&state] { PreloadPage(state); });
        preload.timerConnected = true;
    }
    // A decode already queued for the previous page is of no use any more.
    preload.worker.invalidate();
    preload.timer.start(kPreloadDelayMs);
    if (!preload.timer.isActive())
        ShowMessage(QStringLiteral("error making timerpreload, report"), QStringLiteral("error"));
}

void PreloadPage(AppState& state)
{
    const BookState& book = state.book;
    if (state.shutDown || !book.bookLoaded)
        return;
    const int next = book.pageIndex + 1;
    if (next < 0 || next >= book.PageList.count())
        return;
    state.preload.worker.submit({PagePath(book, next), state.view.flipped,
                                 DecodeOptions{state.settings.norm, state.settings.contrastval}, next});
}

bool TakePreloadedPage(AppState& state)
{
    BookState& book = state.book;
    if (std::optional<PreloadedPage> page = state.preload.worker.take()) {
        // Only the page the reader has just turned to, from this book and turned the same way, will do.
        const PreloadRequest& made = page->request;
        if (made.pageIndex == book.pageIndex && made.path == PagePath(book, book.pageIndex)
            && made.flipped == state.view.flipped)
            book.preloaded = std::move(page->image);
    }
    if (book.preloaded.isNull())
        return false;
    book.current = std::move(book.preloaded);
    book.preloaded.reset();
    return true;
}

void DiscardPreloadedPage(AppState& state)
{
    state.preload.worker.invalidate();
    state.book.preloaded.reset();
}

void CancelPreload(AppState& state)
{
    state.preload.timer.stop();
    DiscardPreloadedPage(state);
    state.preload.worker.waitIdle();
}
