// SPDX-License-Identifier: GPL-3.0-or-later
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
    PreloadPair(preload, book, {book.pageIndex + 1, 1}, flipped, false, options, fitWithin);
}

void PreloadPair(PreloadState& preload, const BookState& book, PagePair pair, bool flipped, bool rightToLeft,
                 const DecodeOptions& options, QSize fitWithin)
{
    if (!book.bookLoaded)
        return;
    if (pair.first < 0 || pair.first >= book.PageList.count())
        return;
    const bool both = pair.count == 2;
    preload.worker.submit({PagePath(book, pair.first), flipped, options, pair.first,
                           both ? PagePath(book, pair.first + 1) : QString(), both && rightToLeft, fitWithin});
}

std::optional<PreloadedPage> TakePreloadedPair(PreloadState& preload, const BookState& book, bool flipped,
                                               QSize fitWithin)
{
    std::optional<PreloadedPage> page = preload.worker.take();
    if (!page)
        return std::nullopt;
    // Only the page the reader has just turned to, from this book and turned the same way, will do.
    const PreloadRequest& made = page->request;
    if (made.pageIndex != book.pageIndex || made.path != PagePath(book, book.pageIndex) || made.flipped != flipped
        || made.fitWithin != fitWithin)
        return std::nullopt;
    if (!made.secondPath.isEmpty() && made.secondPath != PagePath(book, book.pageIndex + 1))
        return std::nullopt;
    return page;
}

bool TakePreloadedPage(PreloadState& preload, BookState& book, bool flipped, QSize fitWithin)
{
    // Only a single page fitted for the view as it is now will do.
    if (std::optional<PreloadedPage> page = TakePreloadedPair(preload, book, flipped, fitWithin);
        page && page->pagesShown == 1)
        book.preloaded = std::move(page->image);
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
