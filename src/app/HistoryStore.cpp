// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HistoryStore.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {
// The schema this program writes; a file from a newer one is left alone.
constexpr int kSchemaVersion = 1;
// How long a write waits for another copy's write to end before the database counts as locked.
constexpr const char* kConnectOptions = "QSQLITE_BUSY_TIMEOUT=500";

const char* const kCreateBooks = "CREATE TABLE IF NOT EXISTS books ("
                                 "path TEXT PRIMARY KEY NOT NULL, size INTEGER NOT NULL, mtime INTEGER NOT NULL, "
                                 "last_page INTEGER NOT NULL, page_count INTEGER NOT NULL, "
                                 "two_page INTEGER NOT NULL, manga INTEGER NOT NULL, rotation INTEGER NOT NULL, "
                                 "fit_mode INTEGER NOT NULL, last_read INTEGER NOT NULL)";
const char* const kCreateByTime = "CREATE INDEX IF NOT EXISTS books_by_time ON books (last_read)";
const char* const kColumns =
    "path, size, mtime, last_page, page_count, two_page, manga, rotation, fit_mode, last_read";

HistoryRow rowOf(const QSqlQuery& query)
{
    return {.path = query.value(0).toString(),
            .size = query.value(1).toLongLong(),
            .mtime = query.value(2).toLongLong(),
            .lastPage = query.value(3).toInt(),
            .pageCount = query.value(4).toInt(),
            .twoPage = query.value(5).toBool(),
            .manga = query.value(6).toBool(),
            .rotation = query.value(7).toInt(),
            .fitMode = query.value(8).toInt(),
            .lastRead = query.value(9).toLongLong()};
}

// The owner's write bit, not access(): a file the user made read-only stays unwritten even for root.
bool markedReadOnly(const QString& file)
{
    const QFileInfo info(file);
    return info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner));
}
} // namespace

HistoryStore::HistoryStore() : connection(QStringLiteral("history-%1").arg(quintptr(this))) {}

HistoryStore::~HistoryStore()
{
    if (QSqlDatabase::contains(connection)) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
}

bool HistoryStore::fail(const QString& what, const QString& why)
{
    lastError = what + QStringLiteral(": ") + why;
    return false;
}

bool HistoryStore::open(const QString& file)
{
    opened = false;
    if (markedReadOnly(file))
        return fail(file, QStringLiteral("the file is read-only"));
    QSqlDatabase db = QSqlDatabase::contains(connection) ? QSqlDatabase::database(connection, false)
                                                         : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    if (!db.isValid())
        return fail(file, QStringLiteral("no SQLite driver"));
    db.setDatabaseName(file);
    db.setConnectOptions(QString::fromLatin1(kConnectOptions));
    if (!db.open())
        return fail(file, db.lastError().text());
    QSqlQuery query(db);
    // The first statement reads the file's header: a file that is not a database fails here.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next())
        return fail(file, query.lastError().text());
    if (query.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) != 0)
        return fail(file, QStringLiteral("the database can't be shared"));
    if (!query.exec(QStringLiteral("PRAGMA synchronous=NORMAL")) || !query.exec(QStringLiteral("PRAGMA user_version")) ||
        !query.next())
        return fail(file, query.lastError().text());
    const int version = query.value(0).toInt();
    if (version > kSchemaVersion)
        return fail(file, QStringLiteral("written by a newer version of the program"));
    if (version < kSchemaVersion) {
        // Another copy may be making the same tables now; IF NOT EXISTS lets both succeed.
        if (!db.transaction() || !query.exec(QString::fromLatin1(kCreateBooks)) ||
            !query.exec(QString::fromLatin1(kCreateByTime)) ||
            !query.exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion)) || !db.commit()) {
            const QString why = query.lastError().isValid() ? query.lastError().text() : db.lastError().text();
            db.rollback();
            return fail(file, why);
        }
    }
    // A damaged table shows here rather than at the first page turn.
    if (!query.exec(QStringLiteral("SELECT count(*) FROM books")) || !query.next())
        return fail(file, query.lastError().text());
    opened = true;
    lastError.clear();
    return true;
}

std::optional<HistoryRow> HistoryStore::find(const QString& path, bool& failed)
{
    failed = false;
    if (!opened) {
        failed = true;
        return std::nullopt;
    }
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.prepare(QStringLiteral("SELECT %1 FROM books WHERE path = ?").arg(QString::fromLatin1(kColumns)));
    query.addBindValue(path);
    if (!query.exec()) {
        failed = true;
        fail(path, query.lastError().text());
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    return rowOf(query);
}

bool HistoryStore::save(const HistoryRow& row)
{
    if (!opened)
        return false;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO books (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(QString::fromLatin1(kColumns)));
    for (const QVariant& value :
         {QVariant(row.path), QVariant(qint64(row.size)), QVariant(qint64(row.mtime)), QVariant(row.lastPage),
          QVariant(row.pageCount), QVariant(int(row.twoPage)), QVariant(int(row.manga)), QVariant(row.rotation),
          QVariant(row.fitMode), QVariant(qint64(row.lastRead))})
        query.addBindValue(value);
    if (!query.exec())
        return fail(row.path, query.lastError().text());
    return true;
}

std::vector<HistoryRow> HistoryStore::recent(int count, bool& failed)
{
    failed = !opened;
    std::vector<HistoryRow> rows;
    if (!opened)
        return rows;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.prepare(QStringLiteral("SELECT %1 FROM books ORDER BY last_read DESC, path LIMIT ?")
                      .arg(QString::fromLatin1(kColumns)));
    query.addBindValue(count);
    if (!query.exec()) {
        failed = true;
        fail(QStringLiteral("recent books"), query.lastError().text());
        return rows;
    }
    while (query.next())
        rows.push_back(rowOf(query));
    return rows;
}

std::optional<std::vector<QString>> HistoryStore::prune(int keep)
{
    if (!opened)
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    // Read and delete in one transaction, so a row another copy saves meanwhile is not lost unseen.
    if (!db.transaction()) {
        fail(QStringLiteral("history"), db.lastError().text());
        return std::nullopt;
    }
    query.prepare(QStringLiteral("SELECT path FROM books ORDER BY last_read DESC, path LIMIT -1 OFFSET ?"));
    query.addBindValue(keep);
    std::vector<QString> removed;
    bool ok = query.exec();
    while (ok && query.next())
        removed.push_back(query.value(0).toString());
    QSqlQuery remove(db);
    remove.prepare(QStringLiteral("DELETE FROM books WHERE path = ?"));
    for (const QString& path : removed) {
        if (!ok)
            break;
        remove.addBindValue(path);
        ok = remove.exec();
    }
    if (!ok || !db.commit()) {
        fail(QStringLiteral("history"), ok ? db.lastError().text()
                                           : (query.lastError().isValid() ? query.lastError() : remove.lastError()).text());
        db.rollback();
        return std::nullopt;
    }
    return removed;
}
