// SPDX-License-Identifier: GPL-3.0-or-later
// The reading history's database: rows kept and found again, shared by two copies, and refused whole
// when the file is damaged, read-only or from a newer program.

#include "app/HistoryStore.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {
HistoryRow rowFor(const QString& path, std::int64_t lastRead, std::int32_t page = 3)
{
    return {.path = path, .size = 1234, .mtime = 1700000000, .lastPage = page, .pageCount = 180, .twoPage = true,
            .manga = true, .rotation = 1, .fitMode = 1, .lastRead = lastRead};
}
} // namespace

TEST(HistoryStore, RowsComeBackAsSavedNewestFirstAndPruningDropsTheOldest)
{
    ScratchDir dir;
    const QString file = dir.file("history.sqlite");
    {
        HistoryStore store;
        ASSERT_TRUE(store.open(file)) << store.error().toStdString();
        EXPECT_TRUE(store.save(rowFor("/books/a.cbz", 100)));
        EXPECT_TRUE(store.save(rowFor("/books/b.cbz", 300)));
        EXPECT_TRUE(store.save(rowFor("/books/c.cbz", 200)));
        EXPECT_TRUE(store.save(rowFor("/books/a.cbz", 50, 7))); // replaces a's row
    }
    HistoryStore store; // the file opened again
    ASSERT_TRUE(store.open(file));
    bool failed = true;
    EXPECT_EQ(store.find("/books/a.cbz", failed), rowFor("/books/a.cbz", 50, 7));
    EXPECT_FALSE(failed);
    EXPECT_EQ(store.find("/books/none.cbz", failed), std::nullopt);
    EXPECT_FALSE(failed);
    std::vector<QString> paths;
    for (const HistoryRow& row : store.recent(2, failed))
        paths.push_back(row.path);
    EXPECT_EQ(paths, (std::vector<QString>{"/books/b.cbz", "/books/c.cbz"}));
    EXPECT_EQ(store.prune(2), (std::vector<QString>{"/books/a.cbz"}));
    EXPECT_EQ(store.recent(10, failed).size(), 2u);
}

TEST(HistoryStore, TwoCopiesShareOneFile)
{
    ScratchDir dir;
    const QString file = dir.file("history.sqlite");
    HistoryStore first, second;
    ASSERT_TRUE(first.open(file));
    ASSERT_TRUE(second.open(file));
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(first.save(rowFor("/books/one.cbz", i, i)));
        ASSERT_TRUE(second.save(rowFor("/books/two.cbz", i, i)));
    }
    bool failed = false;
    EXPECT_EQ(second.find("/books/one.cbz", failed)->lastPage, 19);
    EXPECT_EQ(first.recent(10, failed).size(), 2u);
}

TEST(HistoryStore, DamagedReadOnlyAndNewerFilesAreRefused)
{
    ScratchDir dir;
    HistoryStore damaged;
    EXPECT_FALSE(damaged.open(dir.write("damaged.sqlite", NoiseBytes(8192))));
    EXPECT_FALSE(damaged.error().isEmpty());
    bool failed = false;
    EXPECT_EQ(damaged.find("/books/a.cbz", failed), std::nullopt);
    EXPECT_TRUE(failed);
    EXPECT_FALSE(damaged.save(rowFor("/books/a.cbz", 1)));

    const QString readOnly = dir.file("readonly.sqlite");
    {
        HistoryStore store;
        ASSERT_TRUE(store.open(readOnly));
    }
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    HistoryStore store;
    EXPECT_FALSE(store.open(readOnly));
    EXPECT_TRUE(store.error().contains("read-only"));

    const QString newer = dir.file("newer.sqlite");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
        db.setDatabaseName(newer);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("PRAGMA user_version=9");
        db.close();
    }
    QSqlDatabase::removeDatabase("newer");
    EXPECT_FALSE(store.open(newer));
    EXPECT_TRUE(store.error().contains("newer"));
}
