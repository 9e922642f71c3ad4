// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BookHistory.h"

#include "app/AppState.h"
#include "common/BookCacheFolder.h"
#include "common/ShowMessage.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {
// Said once a run; reading goes on without history.
void historyUnavailable(AppState& state)
{
    HistoryState& history = state.history;
    const QString why = history.store ? history.store->error() : QString();
    history.store.reset();
    if (history.told)
        return;
    history.told = true;
    ShowMessage(QStringLiteral("The reading history can't be used, so books won't be remembered this time.\n") + why,
                QStringLiteral("Warning"), state.windows.main, MessageIcon::Exclamation);
}

void removeThumbnails(const AppState& state, const QString& bookPath)
{
    const QString folder = BookThumbnailFolder(state.paths.thumbnailRoot, bookPath);
    if (!folder.isEmpty())
        QDir(folder).removeRecursively();
}
} // namespace

BookIdentity IdentifyBook(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty())
        return {};
    if (info.isDir())
        return {canonical, 0, 0};
    return {canonical, info.size(), info.lastModified().toSecsSinceEpoch()};
}

std::optional<std::int32_t> ResumePageFrom(const std::optional<HistoryRow>& row, const BookIdentity& book,
                                          bool resumeOn)
{
    if (!resumeOn || !row || book.path.isEmpty() || row->path != book.path)
        return std::nullopt;
    if (row->size != book.size || row->mtime != book.mtime || row->lastPage < 0)
        return std::nullopt;
    return row->lastPage;
}

void OpenHistory(AppState& state)
{
    const QString& file = state.paths.historyFile;
    if (file.isEmpty())
        return;
    auto store = std::make_unique<HistoryStore>();
    const bool opened = QDir().mkpath(QFileInfo(file).absolutePath()) && store->open(file);
    state.history.store = std::move(store);
    if (!opened)
        historyUnavailable(state);
}

std::optional<std::int32_t> HistoryResumePage(AppState& state, const QString& bookPath)
{
    HistoryState& history = state.history;
    history.book = IdentifyBook(bookPath);
    if (!history.store || history.book.path.isEmpty())
        return std::nullopt;
    bool failed = false;
    const std::optional<HistoryRow> row = history.store->find(history.book.path, failed);
    if (failed) {
        historyUnavailable(state);
        return std::nullopt;
    }
    if (row && (row->size != history.book.size || row->mtime != history.book.mtime))
        removeThumbnails(state, row->path); // another file under the old name: its cover is not this one
    const std::optional<std::int32_t> page = ResumePageFrom(row, history.book, state.settings.resumebooks);
    if (page) {
        // The book comes back as it was read: two pages or one, its order, its rotation.
        state.view.twoPages = row->twoPage;
        state.view.rightToLeft = row->manga;
        state.view.quarterTurns = ((row->rotation % 4) + 4) % 4;
        state.view.remembered = true;
    }
    return page;
}

HistoryRow HistoryRowOf(const AppState& state)
{
    const BookIdentity& book = state.history.book;
    return {.path = book.path,
            .size = book.size,
            .mtime = book.mtime,
            .lastPage = state.book.pageIndex,
            .pageCount = std::int32_t(state.book.PageList.count()),
            .twoPage = state.view.twoPages,
            .manga = state.view.rightToLeft,
            .rotation = state.view.quarterTurns,
            .fitMode = state.view.stretched ? 1 : 0,
            .lastRead = QDateTime::currentMSecsSinceEpoch()};
}

void RememberPage(AppState& state)
{
    HistoryState& history = state.history;
    if (!history.store || history.book.path.isEmpty() || !state.book.bookLoaded)
        return;
    if (!history.store->save(HistoryRowOf(state)))
        historyUnavailable(state);
}

std::vector<HistoryRow> RecentBooks(AppState& state, int count)
{
    if (!state.history.store)
        return {};
    bool failed = false;
    std::vector<HistoryRow> rows = state.history.store->recent(count, failed);
    if (failed)
        historyUnavailable(state);
    return rows;
}

void PruneHistory(AppState& state, int keep)
{
    if (!state.history.store)
        return;
    const std::optional<std::vector<QString>> removed = state.history.store->prune(keep);
    if (!removed) {
        historyUnavailable(state);
        return;
    }
    for (const QString& path : *removed)
        removeThumbnails(state, path);
}

void CloseHistory(AppState& state)
{
    RememberPage(state);
    state.history.store.reset();
    state.history.book = {};
}
