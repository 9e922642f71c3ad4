#include "book/OpenBook.h"

#include "app/AppState.h"
#include "app/WorkDir.h"
#include "book/BookKind.h"
#include "book/DecodePage.h"
#include "book/PageDirectory.h"
#include "book/Preload.h"
#include "book/RarBook.h"
#include "book/ZipBook.h"
#include "common/Paths.h"
#include "common/ShowMessage.h"

#include <QDir>

namespace {
// Paths are kept absolute, so neither a later change of the current directory nor the settings file's
// `previousbook` depends on where the program was started.
QString absoluteDirectory(const QString& dir)
{
    return paths::withTrailingSeparator(QDir::cleanPath(QDir::current().absoluteFilePath(dir)));
}

// A failed open leaves no book behind: the old book's flag and page no longer match the page list.
void failOpen(AppState& state)
{
    BookState& book = state.book;
    book.BookPath.clear();
    book.bookLoaded = false;
    book.resumePending = false; // the remembered position belongs to the book that failed
    book.current.reset();
    ShowNoBook(state);
}

void closeBookFiles(AppState& state)
{
    CancelPreload(state);
    state.book.PageList.clear();
}
} // namespace

void OpenDirectoryBook(AppState& state)
{
    BookState& book = state.book;
    // The preload thread reads the page list; it must be stopped before the list is replaced.
    CancelPreload(state);
    book.BookDir = absoluteDirectory(book.BookDir);

    std::optional<PageNameList> pages = ScanPageDirectory(book.BookDir);
    book.PageList = pages ? std::move(*pages) : PageNameList();
    if (book.PageList.isEmpty()) {
        failOpen(state);
        return;
    }

    book.pageIndex = 0;
    if (book.resumePending) {
        if (state.settings.previouspage >= 0 && state.settings.previouspage < book.PageList.count())
            book.pageIndex = state.settings.previouspage;
        else
            book.resumePending = false; // the book changed since: start at the top of page 1
    }

    const DecodeOptions options{state.settings.norm, state.settings.contrastval};
    if (!DecodePage(book.current, PagePath(book, book.pageIndex), state.view.flipped, options)) {
        failOpen(state);
        return;
    }

    book.bookLoaded = true;
    if (book.BookPath.isEmpty())
        book.BookPath = book.BookDir;
    PresentPage(state);
    DiscardPreloadedPage(state);
    if (state.settings.preloadnextpage)
        ArmPreload(state);
}

void OpenFileBook(AppState& state, const QString& path)
{
    BookState& book = state.book;
    // Resolved before WorkDir is emptied, while a relative path still means what the caller meant.
    const QString fullPath = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    CancelPreload(state);
    EmptyWorkDir(state.paths);
    book.BookPath.clear();

    const BookKind kind = BookKindOfExtension(BookFileExtension(fullPath));
    if (kind == BookKind::Zip || kind == BookKind::Rar) {
        const int failed = kind == BookKind::Zip ? ExtractZipBook(fullPath, state.paths.WorkDir)
                                                 : ExtractRarBook(fullPath, state.paths.WorkDir);
        if (failed) {
            failOpen(state);
            closeBookFiles(state);
            return;
        }
        // The path keeps its real spelling: on this file system a lowered 'Comic.cbz' would not be
        // found again by "openlast".
        book.BookPath = fullPath;
        book.BookDir = state.paths.WorkDir;
        OpenDirectoryBook(state);
    } else if (kind == BookKind::Image) {
        // The chosen image gets no special place: the book starts at its first page in reading order.
        book.BookDir = paths::directoryOf(fullPath);
        book.BookPath = book.BookDir;
        OpenDirectoryBook(state);
    } else {
        ShowMessage(QStringLiteral("Unsupported extension file"), QStringLiteral("Error"));
        failOpen(state);
        closeBookFiles(state);
    }
}
