#include "book/OpenBook.h"

#include "book/BookKind.h"
#include "book/PageDirectory.h"
#include "book/RarBook.h"
#include "book/SevenZipTarBook.h"
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

bool failOpen(BookState& book)
{
    CloseBook(book);
    return false;
}
} // namespace

void CloseBook(BookState& book)
{
    book.BookPath.clear();
    book.PageList.clear();
    book.bookLoaded = false;
    book.resumePending = false; // the remembered position belongs to the book that failed
    book.current.reset();
}

bool OpenDirectoryBook(BookState& book, const BookOpening& how)
{
    book.BookDir = absoluteDirectory(book.BookDir);
    std::optional<PageNameList> pages = ScanPageDirectory(book.BookDir);
    book.PageList = pages ? std::move(*pages) : PageNameList();
    if (book.PageList.isEmpty())
        return failOpen(book);

    book.pageIndex = 0;
    if (book.resumePending) {
        if (how.resumePage >= 0 && how.resumePage < book.PageList.count())
            book.pageIndex = how.resumePage;
        else
            book.resumePending = false; // the book changed since: start at the top of page 1
    }
    // A damaged page is shown empty, as when turning to it: the pages after it stay readable.
    DecodePage(book.current, PagePath(book, book.pageIndex), how.flipped, how.decode);

    book.bookLoaded = true;
    if (book.BookPath.isEmpty())
        book.BookPath = book.BookDir;
    return true;
}

bool OpenFileBook(BookState& book, const QString& fullPath, const QString& workDir, const BookOpening& how)
{
    book.BookPath.clear();
    const BookKind kind = BookKindOfExtension(BookFileExtension(fullPath));
    if (kind == BookKind::Zip || kind == BookKind::Rar || kind == BookKind::SevenZipTar) {
        const int failed = kind == BookKind::Zip ? ExtractZipBook(fullPath, workDir)
            : kind == BookKind::Rar              ? ExtractRarBook(fullPath, workDir)
                                                 : ExtractSevenZipTarBook(fullPath, workDir);
        if (failed)
            return failOpen(book);
        // The path keeps its real spelling: on this file system a lowered 'Comic.cbz' would not be
        // found again by "openlast".
        book.BookPath = fullPath;
        book.BookDir = workDir;
        return OpenDirectoryBook(book, how);
    }
    if (kind == BookKind::Image) {
        // The chosen image gets no special place: the book starts at its first page in reading order.
        book.BookDir = paths::directoryOf(fullPath);
        book.BookPath = book.BookDir;
        return OpenDirectoryBook(book, how);
    }
    ShowMessage(QStringLiteral("Unsupported extension file"), QStringLiteral("Error"));
    return failOpen(book);
}
