// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExtractionProgress.h"

#include "app/AppState.h"
#include "app/PageOverviewCommand.h"
#include "app/PageTurn.h"
#include "app/PagesForView.h"
#include "app/PresentPage.h"
#include "book/BookExtraction.h"
#include "book/OpenBook.h"
#include "book/Preload.h"
#include "common/ShowMessage.h"
#include "view/PageView.h"

namespace {
void updateStrip(AppState& state)
{
    const BookExtraction* extraction = state.book.extraction.get();
    // A book made page by page around the reader has no "how much" to show.
    const std::int32_t shown = extraction && !extraction->windowed() && !extraction->finished() && extraction->fileCount()
        ? std::int32_t(extraction->settledCount() * 1000 / extraction->fileCount())
        : -1;
    if (shown == state.view.writtenPermille)
        return;
    const bool gone = shown < 0;
    state.view.writtenPermille = shown;
    if (PageView* view = state.windows.pageView)
        gone ? view->update() : view->update(view->progressStripRect()); // the page again where the strip was
}

// True once a page of the book is written. Until then what the files say waits, so a book none of
// whose pages can be written says so in one message rather than one per page.
bool pageWritten(AppState& state, const BookExtraction& extraction)
{
    ExtractionWaits& waits = state.extractionWaits;
    const std::size_t pages = std::min(std::size_t(state.book.PageList.count()), extraction.fileCount());
    for (std::size_t k = 0; k < pages && !waits.pageWritten; ++k)
        waits.pageWritten = extraction.state(k) == FileWrite::Written;
    return waits.pageWritten || pages == 0 || extraction.stoppedEarly(); // a full disk says so itself
}

// Every page failed: one message, and no book.
void closeUnreadableBook(AppState& state, BookExtraction& extraction)
{
    const Messages said = extraction.takeMessages();
    const QString caption = said.empty() ? QStringLiteral("Error") : said.front().caption;
    CancelPreload(state.preload, state.book);
    StopExtraction(state);
    CloseBook(state.book);
    state.history.book = {};
    ShowMessage(QStringLiteral("No page of this book could be read: the file is damaged"), caption);
    ShowNoBook(state);
}

void showDueMessages(AppState& state)
{
    // A message box runs its own event loop, in which more notifications arrive; they leave the
    // messages to this loop, so they stay in order.
    if (state.extractionWaits.showingMessages || !state.book.bookLoaded)
        return; // a book still opening says what it found once its first page is shown
    state.extractionWaits.showingMessages = true;
    while (BookExtraction* extraction = state.book.extraction.get()) {
        if (!pageWritten(state, *extraction)) {
            if (extraction->finished())
                closeUnreadableBook(state, *extraction);
            break;
        }
        const Messages due = extraction->takeMessages();
        if (due.empty())
            break;
        ShowMessages(due);
    }
    state.extractionWaits.showingMessages = false;
}
} // namespace

std::function<void()> ExtractionNotifier(AppState& state)
{
    ExtractionWaits& waits = state.extractionWaits;
    if (!waits.receiver)
        waits.receiver = std::make_shared<ExtractionReceiver>(state);
    // The receiver outlives the worker: the book and its extraction go first.
    const ExtractionReceiver* receiver = waits.receiver.get();
    return [receiver] { receiver->notify(); };
}

ExtractionReceiver::ExtractionReceiver(AppState& state) : m_wake([&state] { ExtractionProgressed(state); }) {}

void ExtractionReceiver::notify() const
{
    m_wake.notify();
}

void ExtractionProgressed(AppState& state)
{
    if (state.shutDown)
        return;
    ResumeWaitingTurn(state);
    ShowPagesMadeAgain(state);
    if (state.overview.worker)
        state.overview.worker->pagesProgressed();
    if (state.overview.cover)
        state.overview.cover->pagesProgressed();
    updateStrip(state);
    showDueMessages(state);
}

void StopExtraction(AppState& state)
{
    ClosePageOverview(state); // its worker reads the pages being written
    state.overview.cover.reset(); // and so does the cover's
    state.book.extraction.reset();
    state.extractionWaits.page = -1;
    state.extractionWaits.preload = -1;
    state.extractionWaits.comicInfo = -1;
    state.extractionWaits.pageWritten = false;
    updateStrip(state);
}
