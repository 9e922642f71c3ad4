#include "app/OpenBooks.h"

#include "app/AppState.h"
#include "app/BookHistory.h"
#include "app/ExtractionProgress.h"
#include "app/OpenDialogs.h"
#include "app/PageOverviewCommand.h"
#include "app/PageTurn.h"
#include "app/PresentPage.h"
#include "app/WorkDir.h"
#include "book/BookKind.h"
#include "book/Preload.h"
#include "common/Paths.h"
#include "common/ShowMessage.h"

#include <QDir>

namespace {
void showOpened(AppState& state, bool opened)
{
    if (!opened) {
        ShowNoBook(state);
        return;
    }
    PresentPage(state);
    DiscardPreloadedPage(state.preload, state.book);
    ArmPreloadIfWanted(state);
    MakeCoverIfMissing(state);
    // The rest of an archive book is written once the first page is painted: queued behind its paint.
    if (!state.extractionWaits.receiver)
        return;
    QMetaObject::invokeMethod(
        state.extractionWaits.receiver.get(),
        [&state] {
            if (state.book.extraction)
                state.book.extraction->release();
        },
        Qt::QueuedConnection);
}

// The book at `bookPath` starts at its remembered page, unless the last session's book is being reopened
// at its own page ("openlast"). True when the history chose the page.
bool resumeFromHistory(AppState& state, const QString& bookPath, BookOpening& how)
{
    const std::optional<std::int32_t> page = HistoryResumePage(state, bookPath);
    if (state.book.resumePending || !page)
        return false;
    state.book.resumePending = true;
    how.resumePage = *page;
    return true;
}

// After the opening: the last session's scroll position belongs to its own book only, and a book that
// did not open is not remembered.
void settleResume(AppState& state, bool fromHistory, bool opened)
{
    if (fromHistory)
        state.book.resumePending = false;
    if (!opened)
        state.history.book = {};
}
} // namespace

BookOpening BookOpeningOf(AppState& state)
{
    return {.flipped = state.view.flipped,
            .decode = DecodeOptionsOf(state),
            .resumePage = state.settings.previouspage,
            .extractionProgress = ExtractionNotifier(state),
            .chooseBook =
                [&state](const BookTree& tree, ArchiveFamily family) {
                    return ChooseBookInArchive(state.windows.main, tree, family);
                },
            .showNow = ShowMessages};
}

void OpenBookDir(AppState& state)
{
    // The preload thread reads the page list; it must be stopped before the list is replaced.
    CancelPreload(state.preload, state.book);
    StopExtraction(state);
    BookOpening how = BookOpeningOf(state);
    const bool fromHistory = resumeFromHistory(state, state.book.BookDir, how);
    const bool opened = OpenDirectoryBook(state.book, how);
    settleResume(state, fromHistory, opened);
    showOpened(state, opened);
}

void OpenBookFile(AppState& state, const QString& path)
{
    // Resolved before WorkDir is emptied, while a relative path still means what the caller meant.
    const QString fullPath = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    CancelPreload(state.preload, state.book);
    StopExtraction(state); // nothing may still be writing into WorkDir while it is emptied
    EmptyWorkDir(state.paths);
    Messages messages;
    BookOpening how = BookOpeningOf(state);
    // An image opens its folder as the book.
    const bool image = BookKindOfExtension(BookFileExtension(fullPath)) == BookKind::Image;
    const bool fromHistory = resumeFromHistory(state, image ? paths::directoryOf(fullPath) : fullPath, how);
    const bool opened = OpenFileBook(state.book, fullPath, state.paths.WorkDir, how, messages);
    settleResume(state, fromHistory, opened);
    ShowMessages(messages); // before the page, as the opening found them
    showOpened(state, opened);
}

void OpenBookAt(AppState& state, const QString& path)
{
    BookState& book = state.book;
    book.bookLoaded = false;
    book.current.reset();
    book.BookPath.clear();
    if (paths::isDirectory(path) || !paths::exists(path)) {
        book.BookDir = paths::withTrailingSeparator(path).left(paths::kMaxPathChars);
        OpenBookDir(state);
    } else {
        OpenBookFile(state, path);
    }
}
