// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/OpenBook.h"

#include "book/ArchiveBook.h"
#include "book/BookKind.h"
#include "book/PageDirectory.h"
#include "book/PdfBook.h"
#include "book/RarBook.h"
#include "book/SevenZipTarBook.h"
#include "book/ZipBook.h"
#include "book/archive/RarListing.h"
#include "common/Paths.h"

#include <QDir>
#include <utility>

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

// The page shown first: page 1, or the remembered one while it is still inside the book.
std::int32_t firstPageShown(BookState& book, const BookOpening& how)
{
    if (book.resumePending) {
        if (how.resumePage >= 0 && how.resumePage < book.PageList.count())
            return how.resumePage;
        book.resumePending = false; // the book changed since: start at the top of page 1
    }
    return 0;
}

// Hands the messages found so far to the caller's `showNow`; without one they stay in the list.
void showDue(const BookOpening& how, Messages& messages)
{
    if (how.showNow && !messages.empty())
        how.showNow(std::exchange(messages, {}));
}

// The caller's chooser, asked only once the messages found so far are shown.
BookChooser chooserAfterMessages(const BookOpening& how, Messages& messages)
{
    if (!how.chooseBook)
        return {};
    return [&how, &messages](const BookTree& tree, ArchiveFamily family) {
        showDue(how, messages);
        return how.chooseBook(tree, family);
    };
}

// The page list comes from the archive's directory; the page shown first is written before anything
// else, and the rest while the reader reads.
bool openArchivePages(BookState& book, ArchiveBookPlan plan, const QString& workDir, const BookOpening& how,
                      Messages& messages)
{
    book.BookDir = workDir;
    OrderBookPages(plan, how.order);
    book.PageList = std::move(plan.pages);
    if (book.PageList.isEmpty() || !plan.writer)
        return false;
    showDue(how, messages);
    book.pageIndex = firstPageShown(book, how);
    book.extraction = std::make_unique<BookExtraction>(workDir, std::move(plan.files), std::move(plan.writer),
                                                       std::size_t(book.pageIndex), how.extractionProgress, true);
    book.extraction->waitFor(std::size_t(book.pageIndex));
    DecodePage(book.current, PagePath(book, book.pageIndex), how.flipped, how.decode);
    book.bookLoaded = true;
    return true;
}

std::optional<ArchiveBookPlan> planArchiveBook(BookKind kind, const QString& fullPath, const QString& workDir,
                                               const BookChooser& chooser, const BookOpening& how, Messages& messages)
{
    if (kind == BookKind::Pdf)
        return PlanPdfBook(fullPath, workDir, how.pageBox, messages);
    std::optional<ArchiveBookPlan> plan = kind == BookKind::Zip ? PlanZipArchiveBook(fullPath, workDir, chooser, messages)
        : kind == BookKind::Rar ? PlanRarArchiveBook(fullPath, workDir, chooser, messages)
                                : PlanSevenZipTarBook(fullPath, workDir, chooser, messages);
    if (plan && !plan->complete)
        return std::nullopt; // the listing has said why

    return plan;
}
} // namespace

void CloseBook(BookState& book)
{
    book.extraction.reset();
    book.BookPath.clear();
    book.PageList.clear();
    book.bookLoaded = false;
    book.resumePending = false; // the remembered position belongs to the book that failed
    book.current.reset();
}

bool OpenDirectoryBook(BookState& book, const BookOpening& how)
{
    book.extraction.reset();
    book.BookDir = absoluteDirectory(book.BookDir);
    std::optional<PageNameList> pages = ScanPageDirectory(book.BookDir, how.order);
    book.PageList = pages ? std::move(*pages) : PageNameList();
    if (book.PageList.isEmpty())
        return failOpen(book);

    book.pageIndex = firstPageShown(book, how);
    // A damaged page is shown empty, as when turning to it: the pages after it stay readable.
    DecodePage(book.current, PagePath(book, book.pageIndex), how.flipped, how.decode);

    book.bookLoaded = true;
    if (book.BookPath.isEmpty())
        book.BookPath = book.BookDir;
    return true;
}

bool OpenFileBook(BookState& book, const QString& fullPath, const QString& workDir, const BookOpening& how,
                  Messages& messages)
{
    book.BookPath.clear();
    const BookKind kind = BookKindOfExtension(BookFileExtension(fullPath));
    const BookChooser chooser = chooserAfterMessages(how, messages);
    if (kind == BookKind::Zip || kind == BookKind::Rar || kind == BookKind::SevenZipTar || kind == BookKind::Pdf) {
        std::optional<ArchiveBookPlan> plan = planArchiveBook(kind, fullPath, workDir, chooser, how, messages);
        if (!plan || !openArchivePages(book, std::move(*plan), workDir, how, messages))
            return failOpen(book);
        // The path keeps its real spelling: on this file system a lowered 'Comic.cbz' would not be
        // found again by "openlast".
        book.BookPath = fullPath;
        return true;
    }
    if (kind == BookKind::Image) {
        // The chosen image gets no special place: the book starts at its first page in reading order.
        book.BookDir = paths::directoryOf(fullPath);
        book.BookPath = book.BookDir;
        return OpenDirectoryBook(book, how);
    }
    messages.push_back({QStringLiteral("Unsupported extension file"), QStringLiteral("Error")});
    return failOpen(book);
}
