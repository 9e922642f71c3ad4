// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reading history: one SQLite database (through Qt SQL) with a row per book. Several running copies
// share the file: it is kept in write-ahead-log mode, and a writer waits a short while for another's
// write to end. Every call reports failure as a value, so the caller can go on without history.

#include <QString>
#include <memory>
#include <cstdint>
#include <optional>
#include <vector>

// One book as the history remembers it. `size` and `mtime` tell a replaced file from the book read.
struct HistoryRow {
    QString path;           // the book's canonical path: an archive file or a folder
    std::int64_t size = 0;  // bytes; 0 for a folder
    std::int64_t mtime = 0; // seconds since 1970; 0 for a folder
    std::int32_t lastPage = 0;
    std::int32_t pageCount = 0;
    bool twoPage = false;
    bool manga = false;
    std::int32_t rotation = 0; // quarter turns clockwise
    std::int32_t fitMode = 0;
    std::int64_t lastRead = 0; // milliseconds since 1970

    bool operator==(const HistoryRow&) const = default;
};

class HistoryStore {
public:
    HistoryStore();
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Opens (or creates) the database file; its folder must exist. False, with `error()` saying why,
    // for a file that is not a database, is damaged, read-only, locked or from a newer schema.
    bool open(const QString& file);
    bool isOpen() const { return opened; }
    const QString& error() const { return lastError; }

    // The row of the book at `path`; none when the book was never read. Sets `failed` on a database error.
    std::optional<HistoryRow> find(const QString& path, bool& failed);
    // Adds or replaces the book's row.
    bool save(const HistoryRow& row);
    // The `count` books read last, newest first; none on a database error (`failed` set).
    std::vector<HistoryRow> recent(int count, bool& failed);
    // Keeps the `keep` books read last and removes the others; gives the paths removed.
    std::optional<std::vector<QString>> prune(int keep);

private:
    bool fail(const QString& what, const QString& why);

    QString connection; // this store's own Qt SQL connection name
    bool opened = false;
    QString lastError;
};

// A book as the history names it: its canonical path, and the size and time that tell it was replaced.
struct BookIdentity {
    QString path; // empty: the book can't be named (it is gone)
    std::int64_t size = 0;
    std::int64_t mtime = 0;
};

// The history's record in AppState.
struct HistoryState {
    std::unique_ptr<HistoryStore> store; // none: no history is kept this run
    BookIdentity book;                   // the book open now; empty path while none is
    bool told = false;                   // the reader was told the history is unavailable
};
