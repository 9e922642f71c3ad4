#include "book/Preload.h"

PreloadState::PreloadState()
{
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [this] {
        if (whenDue)
            whenDue();
    });
}

bool ArmPreload(PreloadState& preload, std::function<void()> whenDue)
{
    preload.whenDue = std::move(whenDue);
    // A decode already queued for the previous page is of no use any more.
    preload.worker.invalidate();
    preload.timer.start(kPreloadDelayMs);
    return preload.timer.isActive();
}

void PreloadPage(PreloadState& preload, const BookState& book, bool flipped, const DecodeOptions& options,
                 QSize fitWithin)
{
    if (!book.bookLoaded)
        return;
    const int next = book.pageIndex + 1;
    if (next < 0 || next >= book.PageList.count())
        return;
    preload.worker.submit({PagePath(book, next), flipped, options, next, fitWithin});
}

bool TakePreloadedPage(PreloadState& preload, BookState& book, bool flipped, QSize fitWithin)
{
    if (std::optional<PreloadedPage> page = preload.worker.take()) {
        // Only the page the reader has just turned to, from this book, turned the same way and fitted for
        // the view as it is now, will do.
        const PreloadRequest& made = page->request;
        if (made.pageIndex == book.pageIndex && made.path == PagePath(book, book.pageIndex) && made.flipped == flipped
            && made.fitWithin == fitWithin)
            book.preloaded = std::move(page->image);
    }
    if (book.preloaded.isNull())
        return false;
    book.current = std::move(book.preloaded);
    book.preloaded.reset();
    return true;
}

void DiscardPreloadedPage(PreloadState& preload, BookState& book)
{
    preload.worker.invalidate();
    book.preloaded.reset();
}

void CancelPreload(PreloadState& preload, BookState& book)
{
    preload.timer.stop();
    DiscardPreloadedPage(preload, book);
    preload.worker.waitIdle();
}
