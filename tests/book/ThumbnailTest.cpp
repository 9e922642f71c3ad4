// SPDX-License-Identifier: GPL-3.0-or-later
// The overview's thumbnails: the order they are made in, the pages not written yet left for later, the
// folder they are kept in (stamped with the book, pruned to its size) and a quick stop.

#include "support/TestSupport.h"

#include "book/ThumbnailCache.h"
#include "book/ThumbnailWorker.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

namespace {

QString writePage(const ScratchDir& dir, const QString& name, int grey)
{
    QImage page(400, 300, QImage::Format_RGB32);
    page.fill(qRgb(grey, grey, grey));
    page.save(dir.file(name), "PNG");
    return dir.file(name);
}

// Waits (at most 10 s) until `done` holds.
template <typename Done> bool waitUntil(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000)
        QThread::msleep(5);
    return done();
}

TEST(ThumbnailOrder, NearestToTheFocusFirstAndOnlyPagesWritten)
{
    std::vector<ThumbState> states(6, ThumbState::Waiting);
    std::vector<std::size_t> made;
    auto drain = [&](std::size_t focus, const std::function<bool(std::size_t)>& ready) {
        while (const std::optional<std::size_t> next = NextThumbnail(states, focus, ready)) {
            made.push_back(*next);
            states[*next] = ThumbState::Made;
        }
    };
    drain(2, {});
    EXPECT_EQ(made, (std::vector<std::size_t>{2, 3, 1, 4, 0, 5}));
    states.assign(6, ThumbState::Waiting);
    made.clear();
    drain(5, [](std::size_t k) { return k != 3; });
    EXPECT_EQ(made, (std::vector<std::size_t>{5, 4, 2, 1, 0}));
    EXPECT_EQ(states[3], ThumbState::Waiting) << "left until it is written";
}

TEST(ThumbnailCache, PrunesTheLeastRecentlyUsedFoldersButTheOpenBooks)
{
    const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1000);
    const std::vector<CachedFolder> folders = {
        {"open", 50, t0}, {"middle", 50, t0.addSecs(10)}, {"new", 50, t0.addSecs(20)}, {"old", 50, t0.addSecs(5)}};
    EXPECT_EQ(FoldersToPrune(folders, 100, "open"), (std::vector<QString>{"old", "middle"}));
    EXPECT_TRUE(FoldersToPrune(folders, 200, "open").empty());
    EXPECT_EQ(FoldersToPrune(folders, 0, "open"), (std::vector<QString>{"old", "middle", "new"}));
}

TEST(ThumbnailWorker, MakesKeepsAndRereadsThumbnailsAndWaitsForUnwrittenPages)
{
    ScratchDir dir;
    std::vector<QString> pages;
    for (int i = 0; i < 5; ++i)
        pages.push_back(writePage(dir, QStringLiteral("p%1.png").arg(i), 40 * i + 20));
    const QString book = dir.write("book.cbz", "version 1");
    const QString root = dir.file("thumbs/");
    const QString folder = root + "b/";
    dir.write("thumbs/stale/p2.png", QByteArray(1000, 'x')); // another book's
    std::atomic<bool> thirdWritten{false};
    ThumbnailJob job{pages, book, folder, root, DecodeOptions{false, 0}, 4,
                     [&](std::size_t k) { return k != 2 || thirdWritten.load(); }};
    std::atomic<int> notified{0};
    {
        ThumbnailWorker worker(job, [&] { ++notified; });
        ASSERT_TRUE(waitUntil([&] { return notified == 4; }));
        QThread::msleep(50);
        EXPECT_EQ(worker.state(2), ThumbState::Waiting) << "never read before it is written";
        thirdWritten = true;
        worker.pagesProgressed();
        ASSERT_TRUE(waitUntil([&] { return worker.finished(); }));
        for (int i = 0; i < 5; ++i) {
            const QImage thumbnail = worker.thumbnail(i);
            ASSERT_EQ(thumbnail.size(), QSize(kThumbnailSize, 150)) << i;
            EXPECT_EQ(qRed(thumbnail.pixel(10, 10)), 40 * i + 20) << i;
        }
    }
    EXPECT_TRUE(QFile::exists(folder + "cover.png"));
    EXPECT_TRUE(QFile::exists(folder + "p5.png"));

    // The pages gone, the same book: everything comes from the folder. Pruned to nothing, the root keeps
    // the open book's folder only. Another version of the book: the folder is emptied, nothing is left.
    for (const QString& page : pages)
        QFile::remove(page);
    job.written = {};
    {
        ThumbnailWorker worker(job, {});
        ASSERT_TRUE(waitUntil([&] { return worker.finished(); }));
        EXPECT_EQ(qRed(worker.thumbnail(3).pixel(10, 10)), 140);
    }
    PruneThumbnailRoot(root, 0, "b");
    EXPECT_FALSE(QFile::exists(root + "stale"));
    EXPECT_TRUE(QFile::exists(folder + "cover.png"));
    dir.write("book.cbz", "version 2, longer");
    {
        ThumbnailWorker worker(job, {});
        ASSERT_TRUE(waitUntil([&] { return worker.finished(); }));
        EXPECT_EQ(worker.state(0), ThumbState::Failed);
    }
    EXPECT_FALSE(QFile::exists(folder + "cover.png"));
}

TEST(ThumbnailWorker, StopsWithinATenthOfASecond)
{
    ScratchDir dir;
    std::vector<QString> pages(200, writePage(dir, "p.png", 100));
    std::atomic<int> notified{0};
    ThumbnailWorker worker({pages, {}, {}, {}, DecodeOptions{}, 0, {}}, [&] { ++notified; });
    ASSERT_TRUE(waitUntil([&] { return notified > 0; }));
    QElapsedTimer clock;
    clock.start();
    worker.stop();
    EXPECT_LT(clock.elapsed(), 100);
    EXPECT_FALSE(worker.state(199) == ThumbState::Made);
}

} // namespace
