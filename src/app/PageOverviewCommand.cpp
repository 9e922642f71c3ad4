// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PageOverviewCommand.h"

#include "app/AppState.h"
#include "app/CommandTable.h"
#include "app/PageTurn.h"
#include "book/BookExtraction.h"
#include "book/ThumbnailCache.h"
#include "common/BookCacheFolder.h"
#include "view/PageOverview.h"
#include "view/PageView.h"

#include <QEvent>
#include <QFileInfo>

ThumbnailJob ThumbnailJobOf(const AppState& state)
{
    const BookState& book = state.book;
    ThumbnailJob job;
    for (std::int32_t i = 0; i < book.PageList.count(); ++i)
        job.pages.push_back(PagePath(book, i));
    job.bookPath = book.BookPath;
    const QString canonical = QFileInfo(book.BookPath).canonicalFilePath();
    job.folder = BookThumbnailFolder(state.paths.thumbnailRoot, canonical);
    job.root = state.paths.thumbnailRoot;
    job.options = DecodeOptionsOf(state);
    job.focus = book.pageIndex;
    if (const BookExtraction* extraction = book.extraction.get())
        // A page whose writing failed is tried too: its decoding fails like a damaged page's.
        job.written = [extraction](std::size_t k) {
            return k >= extraction->fileCount() || extraction->state(k) != FileWrite::Pending;
        };
    return job;
}

namespace {

// A book made page by page (a PDF) makes the pages near the selection, so their thumbnails can be made.
void browseAt(AppState& state, std::optional<std::int32_t> page)
{
    if (state.book.extraction)
        state.book.extraction->browsingAt(page && *page >= 0 ? std::optional(std::size_t(*page)) : std::nullopt);
}

// The grid follows the page view's size.
class FollowParentSize : public QObject {
public:
    explicit FollowParentSize(QWidget* child) : QObject(child), m_child(child) { child->parentWidget()->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && watched == m_child->parentWidget())
            m_child->setGeometry(m_child->parentWidget()->rect());
        return false;
    }

private:
    QWidget* m_child;
};

} // namespace

void MakeCoverIfMissing(AppState& state)
{
    const BookState& book = state.book;
    if (!book.bookLoaded || book.PageList.isEmpty() || state.paths.thumbnailRoot.isEmpty())
        return;
    ThumbnailJob job = ThumbnailJobOf(state);
    if (job.folder.isEmpty() || QFileInfo::exists(ThumbnailFile(job.folder, 0)))
        return;
    job.pages.resize(1);
    job.focus = 0;
    // The recent books read cover.png when they are shown: nothing to tell anyone.
    state.overview.cover = std::make_unique<ThumbnailWorker>(std::move(job), nullptr);
}

void ClosePageOverview(AppState& state)
{
    OverviewState& overview = state.overview;
    overview.worker.reset();
    browseAt(state, std::nullopt);
    if (overview.widget) {
        overview.widget->hide();
        overview.widget->deleteLater();
        overview.widget.clear();
        if (state.windows.main)
            state.windows.main->setFocus();
    }
}

void ShowPageOverview(AppState& state)
{
    if (state.overview.widget || !state.book.bookLoaded || state.book.PageList.isEmpty() || !state.windows.pageView)
        return;
    state.overview.cover.reset(); // the overview makes page 1's too, into the same folder
    PageView* view = state.windows.pageView;
    PageOverview::Hooks hooks;
    hooks.thumbnail = [&state](int page) {
        return state.overview.worker ? state.overview.worker->thumbnail(page) : QImage();
    };
    hooks.selected = [&state](int page) {
        if (state.overview.worker)
            state.overview.worker->setFocus(page);
        browseAt(state, page);
    };
    hooks.chosen = [&state](int page) {
        ClosePageOverview(state);
        if (page != state.book.pageIndex && page < state.book.PageList.count())
            TurnToPage(state, page, false);
    };
    hooks.left = [&state] { ClosePageOverview(state); };
    auto* widget = new PageOverview(state.book.PageList.count(), state.book.pageIndex, std::move(hooks), view);
    new FollowParentSize(widget);
    widget->setGeometry(view->rect());
    state.overview.widget = widget;
    // The worker only posts: the grid repaints on the user-interface thread. The grid outlives the
    // worker (ClosePageOverview stops it first), so the call never reaches a deleted grid.
    state.overview.worker = std::make_unique<ThumbnailWorker>(ThumbnailJobOf(state), [widget] {
        QMetaObject::invokeMethod(widget, [widget] { widget->thumbnailsArrived(); }, Qt::QueuedConnection);
    });
    browseAt(state, state.book.pageIndex);
    widget->show();
    widget->setFocus();
}
