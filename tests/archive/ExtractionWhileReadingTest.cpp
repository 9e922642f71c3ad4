// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an archive book while its files are still being written: turns that outrun the worker, a
// jump to the last page, a new book or the end of the run in the middle, a damaged entry in the middle,
// and memory that doesn't grow with a page's size.

#include "ArchiveFixture.h"
#include "RarTestWriter.h"
#include "ZipTestWriter.h"
#include "app/Commands.h"
#include "app/ExtractionProgress.h"
#include "app/OpenBooks.h"
#include "app/PageTurn.h"
#include "app/ShutDown.h"
#include "app/WorkDir.h"
#include "book/BookExtraction.h"
#include "support/HeldWriter.h"
#include "support/TestState.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <random>

namespace {
QByteArray greyPng(int grey)
{
    return PngBytes(QColor(grey, grey, grey));
}

bool pumpUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

class ExtractionWhileReading : public ArchiveFixture {
protected:
    ExtractionWhileReading()
    {
        UseDefaultSettings(state);
        state.settings.preloadnextpage = false;
        state.settings.norm = false;
        std::mt19937 random(3);
        CreateWorkDir(state.paths, scratch.path(), random);
    }
    ~ExtractionWhileReading() override { RemoveWorkDir(state.paths); }

    // A book of `count` pages whose worker writes only what the test allows; page 1 is written and shown.
    void openHeldBook(int count)
    {
        StopExtraction(state);
        std::vector<ExtractionFile> files;
        QStringList names;
        for (int k = 0; k < count; ++k) {
            names << QStringLiteral("p%1.png").arg(k);
            files.push_back({QFile::encodeName(names.last()), std::size_t(k), {}});
        }
        SetPages(state.book, names);
        state.book.BookDir = state.paths.WorkDir;
        held->allowed = 1;
        auto writer = std::make_unique<HeldWriter>(held, [](std::size_t k) { return greyPng(20 * int(k)); });
        state.book.extraction = std::make_unique<BookExtraction>(state.paths.WorkDir, std::move(files),
                                                                 std::move(writer), 0, ExtractionNotifier(state));
        ASSERT_TRUE(state.book.extraction->waitFor(0));
        state.book.bookLoaded = true;
        TurnToPage(state, 0, false);
    }
    int shownGrey() const { return state.book.current.isNull() ? -1 : qRed(state.book.current.pixels.pixel(0, 0)); }
    QStringList inWorkDir() const { return QDir(state.paths.WorkDir).entryList(kEverything, QDir::Name); }

    MessageRecorder boxes;
    AppState state;
    std::shared_ptr<HeldWriter::Shared> held = std::make_shared<HeldWriter::Shared>();
};

const QString kEntryError = QStringLiteral("Error within ZIP file, some pages my look strange");
} // namespace

TEST_F(ExtractionWhileReading, TurnsFasterThanTheWorkerAndAJumpToTheLastPageWaitWithoutBlocking)
{
    openHeldBook(8);
    EXPECT_EQ(shownGrey(), 0);
    TurnToPage(state, 7, false); // the jump, before anything else is written
    EXPECT_EQ(state.book.pageIndex, 0);
    held->allowed = 2; // the page the worker holds already may come first
    ASSERT_TRUE(pumpUntil([&] { return state.book.pageIndex == 7; }));
    EXPECT_EQ(shownGrey(), 140);

    // Back four times, as fast as a held key: the counter stays until the page is there.
    for (int i = 0; i < 4; ++i)
        RunCommand(state, Command::Back);
    EXPECT_EQ(state.book.pageIndex, 7);
    EXPECT_EQ(state.extractionWaits.page, 3);
    held->allowed = 100;
    ASSERT_TRUE(pumpUntil([&] { return state.book.pageIndex == 3; }));
    EXPECT_EQ(shownGrey(), 60);
    ASSERT_TRUE(pumpUntil([&] { return state.view.writtenPermille == -1; })); // the strip goes when all is written
    RunCommand(state, Command::Forward);
    EXPECT_EQ(state.book.pageIndex, 4); // a written page turns at once
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(ExtractionWhileReading, ANewBookOrTheEndStopsTheWorkerAtOnceAndLeavesWorkDirClean)
{
    std::vector<ZipTestEntry> big{{"p000.png", greyPng(0), 0}};
    for (int i = 1; i < 100; ++i)
        big.push_back(
            {QByteArray("p") + QByteArray::number(100 + i) + ".png", QByteArray(1 << 20, char('a' + i % 26)), 0});
    const QString bigBook = scratch.write(QStringLiteral("big.cbz"), WriteZip(big));
    const QString smallBook = scratch.write(QStringLiteral("small.cbz"),
                                            WriteZip({{"a.png", greyPng(40)}, {"b.png", greyPng(80)}}));

    OpenBookFile(state, bigBook);
    ASSERT_TRUE(state.book.bookLoaded);
    QElapsedTimer timer;
    timer.start();
    OpenBookFile(state, smallBook); // stops the worker before WorkDir is emptied
    EXPECT_LT(timer.elapsed(), 100);
    state.book.extraction->waitAll();
    EXPECT_EQ(inWorkDir(), (QStringList{"a.png", "b.png"}));
    EXPECT_EQ(shownGrey(), 40);

    OpenBookFile(state, bigBook);
    ShutDown(state);
    EXPECT_FALSE(QFileInfo::exists(state.paths.WorkDir));
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(ExtractionWhileReading, ADamagedEntryInTheMiddleIsReportedOnceAndTheReaderReadsOn)
{
    std::vector<ZipTestEntry> entries;
    for (int k = 0; k < 5; ++k)
        entries.push_back({QByteArray("p") + QByteArray::number(k) + ".png", greyPng(20 * k), 0, 0, 0, k == 2});
    OpenBookFile(state, scratch.write(QStringLiteral("damaged.cbz"), WriteZip(entries)));
    ASSERT_TRUE(pumpUntil([&] { return state.view.writtenPermille == -1 && !boxes.texts().isEmpty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.texts(), QStringList{kEntryError});
    // Only its checksum fails and its sizes agree: the page is kept, and its decoder shows it.
    const int expected[] = {20, 40, 60, 80};
    for (int grey : expected) {
        RunCommand(state, Command::Forward);
        EXPECT_EQ(shownGrey(), grey);
    }
    EXPECT_EQ(inWorkDir(), (QStringList{"p0.png", "p1.png", "p2.png", "p3.png", "p4.png"}));
}

TEST_F(ExtractionWhileReading, ARarBookResumesAtItsLastPageWithThePagesOfTheArchivesOrder)
{
    for (RarFormat format : {RarFormat::Rar4, RarFormat::Rar5}) {
        std::vector<RarTestEntry> entries;
        for (int k : {3, 0, 5, 1, 4, 2})
            entries.push_back({QByteArray("p") + QByteArray::number(k) + ".png", greyPng(20 * k)});
        state.book.resumePending = true;
        state.settings.previouspage = 5;
        OpenBookFile(state, scratch.write(QStringLiteral("book.cbr"), WriteRarArchive(format, entries)));
        EXPECT_EQ(state.book.pageIndex, 5);
        EXPECT_EQ(shownGrey(), 100);
        EXPECT_EQ(inWorkDir(), QStringList{"p5.png"}); // the worker waits for the paint before the rest
        state.book.extraction->waitAll();
        EXPECT_EQ(inWorkDir().size(), 6);
    }
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(ExtractionWhileReading, MemoryStaysFlatWhateverAPagesSize)
{
    const auto peakKiB = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        status.open(QIODevice::ReadOnly);
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLongLong();
        return 0ll;
    };
    const qint64 before = peakKiB();
    const QByteArray huge(96 << 20, 'x'); // deflates to almost nothing; the archive is all that is read
    const QString book = scratch.write(QStringLiteral("huge.cbz"),
                                       WriteZip({{"p0.png", greyPng(0)}, {"p1.png", huge}}));
    const qint64 afterWriting = peakKiB();
    OpenBookFile(state, book);
    state.book.extraction->waitAll();
    EXPECT_EQ(QFileInfo(state.paths.WorkDir + "p1.png").size(), huge.size());
    EXPECT_LT(peakKiB() - std::max(before, afterWriting), 16 << 10);
}

TEST_F(ExtractionWhileReading, APdfBookTurnsLikeAnArchiveAndItsRenderingStopsAtOnce)
{
    OpenBookFile(state, WriteTestPdf(scratch, QStringLiteral("book.pdf"), 3, 30000));
    ASSERT_TRUE(state.book.bookLoaded);
    EXPECT_EQ(state.book.PageList.count(), 5);
    EXPECT_GT(qRed(state.book.current.pixels.pixel(10, 10)), 240);
    RunCommand(state, Command::Forward);
    ASSERT_TRUE(pumpUntil([&] { return state.book.pageIndex == 1; }));
    EXPECT_GT(qBlue(state.book.current.pixels.pixel(10, 10)), 240);
    QElapsedTimer timer;
    timer.start();
    StopExtraction(state); // in the middle of a page of lines
    EXPECT_LT(timer.elapsed(), 100);
    EXPECT_TRUE(boxes.texts().isEmpty());
}
