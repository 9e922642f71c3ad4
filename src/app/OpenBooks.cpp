// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OpenBooks.h"

#include "app/AppState.h"
#include "app/BookHistory.h"
#include "app/ExtractionProgress.h"
#include "app/OpenDialogs.h"
#include "app/PageOverviewCommand.h"
#include "app/PageTurn.h"
#include "app/PresentPage.h"
#include "app/WorkDir.h"
#include "book/BookPathCheck.h"
#include "book/BookKind.h"
#include "book/ComicInfo.h"
#include "book/Preload.h"
#include "common/Paths.h"
#include "common/ShowMessage.h"
#include "view/PageView.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <limits>

namespace {
// A rotation, a shift and the widths found belong to the book they were found in; the two-page view and
// manga order start as the settings say, unless the history remembers this book's own.
void startViewOfBook(AppState& state)
{
    ViewState& view = state.view;
    view.quarterTurns = 0;
    view.twoPages = state.settings.doublepage;
    view.rightToLeft = state.settings.mangaorder;
    view.pairsShifted = false;
    view.pagesShown = 1;
    view.widePages.clear();
    view.remembered = false;
}

// An archive's ComicInfo.xml may ask for manga order: read at once when the archive was written whole,
// otherwise moved to the front of the extraction and read once written (ReadComicInfoWhenWritten).
void askComicInfo(AppState& state)
{
    if (state.view.remembered || state.book.BookDir != state.paths.WorkDir)
        return;
    if (!state.book.extraction) {
        ApplyComicInfo(state);
        return;
    }
    if (const std::optional<std::size_t> k = state.book.extraction->fileNamed(kComicInfoName)) {
        state.extractionWaits.comicInfo = std::int32_t(*k);
        ReadComicInfoWhenWritten(state);
    }
}

void showOpened(AppState& state, bool opened)
{
    if (!opened) {
        ShowNoBook(state);
        return;
    }
    // The opening decoded the first page alone; the pair holding it follows at once, or once the page
    // beside it is written (the single page on screen meanwhile).
    if (!state.view.twoPages) {
        PresentPage(state);
    } else {
        const PagePair pair = PairShownAt(state, state.book.pageIndex);
        bool whole = true;
        for (std::int32_t page = pair.first; page < pair.first + pair.count; ++page)
            whole = whole && PageSettled(state.book, page);
        if (!whole)
            PresentPage(state);
        TurnToPage(state, state.book.pageIndex, false);
    }
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

// While an archive is listed and its first page written the window is drawn and answers: its events
// are handled here until `done`. Another opening begun meanwhile, or the end of the program, gives the
// wait up.
bool waitAnswering(AppState& state, std::uint32_t opening, const std::function<bool()>& done)
{
    const auto current = [&state, opening] { return !state.shutDown && state.extractionWaits.opening == opening; };
    // What is pending is handled first, however soon the wait ends. The timer wakes the loop to look
    // again; the loop is run step by step, so a quit already asked for (which ends a nested exec() at
    // once) doesn't end the wait early.
    QEventLoop loop;
    loop.processEvents();
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [] {});
    poll.start();
    while (current() && !done())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    return current();
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

QSize PdfPageBox(const AppState& state)
{
    if (!state.windows.pageView)
        return {};
    const QSize box = MadeForViewBox(state.windows.pageView->viewPixels(),
                                     PageViewModeOf(state.book, state.view, state.settings));
    if (state.view.quarterTurns % 2 == 0)
        return box;
    // A page turned by a quarter is made for the view turned back, so it fits once turned; its width
    // fitted to the view's is the page's height, whatever its width.
    return box.height() > 0 ? box.transposed() : QSize(std::numeric_limits<int>::max(), box.width());
}

BookOpening BookOpeningOf(AppState& state)
{
    return {.flipped = state.view.flipped,
            .decode = DecodeOptionsOf(state),
            .resumePage = state.settings.previouspage,
            .pageBox = {}, // the opener's, after the history
            .order = state.settings.naturalorder ? PageOrder::Natural : PageOrder::Bytes,
            .extractionProgress = ExtractionNotifier(state),
            .chooseBook =
                [&state](const BookTree& tree, ArchiveFamily family) {
                    return ChooseBookInArchive(state.windows.main, tree, family);
                },
            .showNow = ShowMessages,
            .waitUntil = [&state, opening = ++state.extractionWaits.opening](const std::function<bool()>& done) {
                return waitAnswering(state, opening, done);
            }};
}

void OpenBookDir(AppState& state)
{
    // The preload thread reads the page list; it must be stopped before the list is replaced.
    CancelPreload(state.preload, state.book);
    StopExtraction(state);
    startViewOfBook(state);
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
    // The book before is closed from here on: while the new one is listed, the window's events go on,
    // and a turn or a history write must not act on a page list whose files may be gone.
    state.book.bookLoaded = false;
    startViewOfBook(state);
    Messages messages;
    BookOpening how = BookOpeningOf(state);
    // An image opens its folder as the book.
    const bool image = BookKindOfExtension(BookFileExtension(fullPath)) == BookKind::Image;
    const bool fromHistory = resumeFromHistory(state, image ? paths::directoryOf(fullPath) : fullPath, how);
    how.pageBox = PdfPageBox(state); // after the history, which gives back the book's rotation
    const std::uint32_t opening = state.extractionWaits.opening;
    const bool opened = OpenFileBook(state.book, fullPath, state.paths.WorkDir, how, messages);
    if (state.shutDown || state.extractionWaits.opening != opening)
        return; // given up: the book is the next opening's, or the program ends
    settleResume(state, fromHistory, opened);
    if (!opened) {
        ShowMessages(messages);
        showOpened(state, opened);
        return;
    }
    // What is left to say (an archive cut short that still opens) goes over the page, which its box's own
    // events paint; the writing's messages wait behind it.
    showOpened(state, opened);
    if (!messages.empty()) {
        state.extractionWaits.showingMessages = true;
        ShowMessages(messages);
        state.extractionWaits.showingMessages = false;
        ExtractionProgressed(state); // what the writing said meanwhile
    }
    if (state.book.bookLoaded)
        askComicInfo(state);
}

bool RefuseUnopenableBook(const QString& path)
{
    const std::optional<Message> problem = UnopenableBook(path);
    if (problem)
        ShowMessages({*problem});
    return bool(problem);
}

void OpenBookAt(AppState& state, const QString& path)
{
    if (RefuseUnopenableBook(path))
        return; // the book open now stays
    BookState& book = state.book;
    book.bookLoaded = false;
    book.current.reset();
    book.BookPath.clear();
    if (paths::isDirectory(path)) {
        book.BookDir = paths::withTrailingSeparator(path).left(paths::kMaxPathChars);
        OpenBookDir(state);
    } else {
        OpenBookFile(state, path);
    }
}
