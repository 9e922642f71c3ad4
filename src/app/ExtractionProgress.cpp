// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExtractionProgress.h"

#include "app/AppState.h"
#include "app/PageOverviewCommand.h"
#include "app/PageTurn.h"
#include "book/BookExtraction.h"
#include "common/ShowMessage.h"
#include "view/PageView.h"

namespace {
void updateStrip(AppState& state)
{
    const BookExtraction* extraction = state.book.extraction.get();
    const std::int32_t shown = extraction && !extraction->finished() && extraction->fileCount()
        ? std::int32_t(extraction->settledCount() * 1000 / extraction->fileCount())
        : -1;
    if (shown == state.view.writtenPermille)
        return;
    const bool gone = shown < 0;
    state.view.writtenPermille = shown;
    if (PageView* view = state.windows.pageView)
        gone ? view->update() : view->update(view->progressStripRect()); // the page again where the strip was
}

void showDueMessages(AppState& state)
{
    // A message box runs its own event loop, in which more notifications arrive; they leave the
    // messages to this loop, so they stay in order.
    if (state.extractionWaits.showingMessages)
        return;
    state.extractionWaits.showingMessages = true;
    while (BookExtraction* extraction = state.book.extraction.get()) {
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
    updateStrip(state);
}
