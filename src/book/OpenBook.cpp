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
// else, and the rest while the reader reads. False also when the wait for the first page was given up
// (`givenUp`), leaving the book alone.
bool openArchivePages(BookState& book, ArchiveBookPlan plan, const QString& workDir, const BookOpening& how,
                      Messages& messages, bool& givenUp)
{
    book.BookDir = workDir;
    book.pageBox = how.pageBox;
    OrderBookPages(plan, how.order);
    book.PageList = std::move(plan.pages);
    if (book.PageList.isEmpty() || !plan.writer)
        return false;
    showDue(how, messages);
    book.pageIndex = firstPageShown(book, how);
    const auto first = std::size_t(book.pageIndex);
    book.extraction = std::make_unique<BookExtraction>(workDir, std::move(plan.files), std::move(plan.writer), first,
                                                       how.extractionProgress, true);
    if (how.waitUntil) {
        BookExtraction* extraction = book.extraction.get();
        extraction->prioritise(first);
        givenUp = !how.waitUntil([&book, extraction, first] {
            return book.extraction.get() != extraction || extraction->state(first) != FileWrite::Pending;
        });
        if (givenUp || book.extraction.get() != extraction)
            return false;
    } else {
        book.extraction->waitFor(first);
    }
    DecodePage(book.current, PagePath(book, book.pageIndex), how.flipped, how.decode);
    book.bookLoaded = true;
    messages.insert(messages.end(), plan.afterFirstPage.begin(), plan.afterFirstPage.end());
    return true;
}

std::optional<ArchiveBookPlan> planArchiveBook(BookKind kind, const QString& fullPath, const QString& workDir,
                                               const BookChooser& chooser, QSize pageBox, Messages& messages)
{
    if (kind == BookKind::Pdf)
        return PlanPdfBook(fullPath, workDir, pageBox, messages);
    std::optional<ArchiveBookPlan> plan = kind == BookKind::Zip ? PlanZipArchiveBook(fullPath, workDir, chooser, messages)
        : kind == BookKind::Rar ? PlanRarArchiveBook(fullPath, workDir, chooser, messages)
                                : PlanSevenZipTarBook(fullPath, workDir, chooser, messages);
    if (plan && !plan->complete)
        return std::nullopt; // the listing has said why
    if (!plan)
        return plan;
    // A book without a page that can be read says why, once: nothing is written for it. What the
    // listing said already is the reason.
    const QString caption = kind == BookKind::Rar ? kRarError : QStringLiteral("Zip Error");
    if (const std::optional<Message> why = NoReadablePage(*plan, caption)) {
        messages.insert(messages.end(), plan->afterFirstPage.begin(), plan->afterFirstPage.end());
        if (messages.empty())
            messages.push_back(*why);
        return std::nullopt;
    }
    return plan;
}

// The plan, made on a helper thread when the caller keeps its thread answering meanwhile.
PlanningResult planBook(BookKind kind, const QString& fullPath, const QString& workDir, const BookOpening& how,
                        Messages& messages)
{
    const BookChooser chooser = chooserAfterMessages(how, messages);
    if (!how.waitUntil)
        return {planArchiveBook(kind, fullPath, workDir, chooser, how.pageBox, messages), false};
    MakePlan make = [kind, fullPath, workDir, pageBox = how.pageBox](const BookChooser& ask, Messages& said) {
        return planArchiveBook(kind, fullPath, workDir, ask, pageBox, said);
    };
    return PlanOnHelperThread(std::move(make), chooser, how.waitUntil, messages);
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
    if (kind == BookKind::Zip || kind == BookKind::Rar || kind == BookKind::SevenZipTar || kind == BookKind::Pdf) {
        PlanningResult planning = planBook(kind, fullPath, workDir, how, messages);
        if (planning.givenUp)
            return false; // the book is another opening's now
        bool givenUp = false;
        if (!planning.plan || !openArchivePages(book, std::move(*planning.plan), workDir, how, messages, givenUp))
            return givenUp ? false : failOpen(book);
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
