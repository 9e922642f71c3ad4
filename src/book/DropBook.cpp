#include "book/DropBook.h"

#include "app/AppState.h"
#include "book/OpenBook.h"
#include "common/Paths.h"
#include "common/ShowMessage.h"

QStringList DroppedPaths(const QList<QUrl>& urls)
{
    QStringList paths;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

void OpenDroppedBook(AppState& state, const QStringList& dropped)
{
    if (dropped.size() != 1) {
        ShowMessage(QStringLiteral("Only drag one file at once"), QStringLiteral("Error"));
        return;
    }
    const QString& path = dropped.front();
    BookState& book = state.book;
    book.bookLoaded = false;
    book.current.reset();
    book.BookPath.clear();
    // The dropped folder is opened where it is; WorkDir is left as it is.
    if (paths::isDirectory(path) || !paths::exists(path)) {
        book.BookDir = paths::withTrailingSeparator(path).left(paths::kMaxPathChars);
        OpenDirectoryBook(state);
    } else {
        OpenFileBook(state, path);
    }
}
