// SPDX-License-Identifier: GPL-3.0-or-later
// The next page decoded in the background: published only when complete, thrown away by every page
// change but a forward turn, and never outliving its book or the program. These run under
// ThreadSanitizer in CI.

#include "book/Preload.h"
#include "app/AppState.h"
#include "app/Commands.h"
#include "app/PageTurn.h"
#include "support/TestState.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <semaphore>
#include <thread>

using namespace std::chrono_literals;

namespace {

// A decoder that holds every decode at a gate until the test opens it, and notes decodes that overlap.
struct Gate {
    std::counting_semaphore<> entered{0};
    std::binary_semaphore opened{0};
    std::atomic<int> inFlight{0};
    std::atomic<bool> overlapped{false};
    std::chrono::milliseconds slow{0}; // each decode takes this long past the gate

    PreloadWorker::Decoder decoder()
    {
        return [this](PageImage& record, const QString& path, bool, const DecodeOptions&, QSize) {
            if (++inFlight > 1)
                overlapped = true;
            entered.release();
            opened.acquire();
            opened.release(); // it stays open
            std::this_thread::sleep_for(slow);
            record.pixels = QImage(path).convertToFormat(QImage::Format_RGB32);
            --inFlight;
            return !record.isNull();
        };
    }
    // Opens the gate from another thread a little later, while the caller blocks on the decode.
    std::thread openSoon()
    {
        return std::thread([this] {
            std::this_thread::sleep_for(50ms);
            opened.release();
        });
    }
};

int greyOf(const PageImage& page)
{
    return page.isNull() ? -1 : qRed(page.pixels.pixel(0, 0));
}

// A book of `count` small pages, page i of grey level i, open at its first page.
struct GreyBook {
    ScratchDir dir;
    QStringList names;
    BookState book;
    explicit GreyBook(int count) : names(WriteGreyPages(dir, count, QSize(8, 6), 1))
    {
        book.BookDir = dir.path();
        SetPages(book, names);
        book.bookLoaded = true;
    }
    PreloadRequest request(int index) const { return {dir.file(names[index]), false, {}, index, {}, false, {}}; }
};

} // namespace

TEST(PreloadWorker, PublishesOnlyCompleteDecodesOfTheNewestRequestAndDropsOldOrFailedOnes)
{
    const GreyBook pages(5);
    Gate gate;
    PreloadWorker worker(gate.decoder());
    worker.submit(pages.request(1));
    gate.entered.acquire();
    for (int i = 2; i < 5; ++i)
        worker.submit(pages.request(i)); // each replaces the one waiting
    EXPECT_FALSE(worker.take()) << "a page still decoding must not be visible";
    EXPECT_FALSE(worker.idle());
    gate.opened.release();
    worker.waitIdle();
    EXPECT_FALSE(gate.overlapped);
    EXPECT_EQ(worker.decodesFinished(), 2) << "the first, then only the newest waiting request";
    EXPECT_TRUE(gate.entered.try_acquire()); // the newest request's
    std::optional<PreloadedPage> page = worker.take();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->request.pageIndex, 4);
    EXPECT_EQ(greyOf(page->image), 4);
    EXPECT_FALSE(worker.take()) << "a page is handed over once";

    gate.opened.acquire(); // closed again
    worker.submit(pages.request(2));
    gate.entered.acquire();
    worker.invalidate(); // the reader turned the page meanwhile
    gate.opened.release();
    worker.waitIdle();
    EXPECT_EQ(worker.decodesFinished(), 3);
    EXPECT_FALSE(worker.take());
    worker.submit({QStringLiteral("/nonexistent/page.png"), false, {}, 1, {}, false, {}});
    worker.waitIdle();
    EXPECT_FALSE(worker.take());
}

TEST(PreloadWorker, EndingWaitsForTheRunningDecode)
{
    const GreyBook pages(2);
    Gate gate;
    std::thread opener;
    {
        PreloadWorker worker(gate.decoder());
        worker.submit(pages.request(1));
        gate.entered.acquire();
        opener = gate.openSoon();
    }
    EXPECT_EQ(gate.inFlight, 0) << "the worker ended before its decode returned";
    opener.join();
}

TEST(PreloadBook, OnlyTheNextPageOfThisBookTurnedTheSameWayIsTaken)
{
    const GreyBook other(4);
    using Change = std::function<void(PreloadState&, BookState&)>;
    const struct {
        const char* name;
        Change meanwhile;
        bool flipped, taken;
    } cases[] = {
        {"turned to", [](PreloadState&, BookState&) {}, false, true},
        {"turned the other way", [](PreloadState&, BookState&) {}, true, false},
        {"jumped past it", [](PreloadState&, BookState& b) { b.pageIndex = 2; }, false, false},
        {"discarded", [](PreloadState& p, BookState& b) { DiscardPreloadedPage(p, b); }, false, false},
        {"cancelled for a book change", [](PreloadState& p, BookState& b) { CancelPreload(p, b); }, false, false},
        {"another book's", [&](PreloadState&, BookState& b) { b.BookDir = other.dir.path(); }, false, false},
    };
    for (const auto& c : cases) {
        GreyBook pages(4);
        PreloadState preload;
        PreloadPage(preload, pages.book, false, {false, 0});
        preload.worker.waitIdle();
        pages.book.pageIndex = 1;
        c.meanwhile(preload, pages.book);
        EXPECT_EQ(TakePreloadedPage(preload, pages.book, c.flipped), c.taken) << c.name;
        EXPECT_EQ(greyOf(pages.book.current), c.taken ? 1 : -1) << c.name;
        EXPECT_TRUE(pages.book.preloaded.isNull()) << c.name;
    }
}

// --- through the commands of the running program ----------------------------------------------

class PreloadCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        state.settings.norm = false; // pages are compared by their pixels
    }
    AppState state;
    ScratchDir dir;
    MessageRecorder messages;
};

TEST_F(PreloadCommands, AForwardTurnAfterATwoSecondPauseShowsThePreloadedPage)
{
    OpenGreyBook(state, dir, 3, QSize(8, 6), 1);
    ArmPreloadIfWanted(state);
    EXPECT_EQ(state.preload.timer.interval(), 2000);
    EXPECT_TRUE(state.preload.timer.isSingleShot());
    QTest::qWait(1800);
    EXPECT_EQ(state.preload.worker.decodesFinished(), 0) << "nothing before two seconds";
    QTRY_COMPARE_WITH_TIMEOUT(state.preload.worker.decodesFinished(), 1, 2000);
    QFile::remove(dir.file(state.book.PageList.item(1))); // so only the preloaded copy can show it
    RunAction(state, u"foward");
    EXPECT_EQ(greyOf(state.book.current), 1);
    EXPECT_TRUE(state.preload.timer.isActive()) << "the next preload is armed";
    EXPECT_TRUE(messages.texts().isEmpty());
}

// Holding the next-page key: page turns come faster than pages decode, and the timer may fire between
// any two of them. At most one decode runs, nothing stale is ever shown, and the last page reached is
// the one on screen; there, and without a book, nothing is preloaded.
TEST_F(PreloadCommands, TurningFasterThanTheDecoderStaysBoundedAndEndsOnTheLastPage)
{
    constexpr int kPages = 300;
    OpenGreyBook(state, dir, kPages, QSize(8, 6), 1);
    Gate gate;
    gate.opened.release();
    gate.slow = 2ms;
    state.preload.worker.setDecoder(gate.decoder());
    for (int i = 1; i < kPages + 10; ++i) {
        RunAction(state, u"foward");
        ASSERT_EQ(greyOf(state.book.current), std::min(i, kPages - 1) % 256);
        if (i % 3 == 0)
            PreloadNextPage(state); // the reader paused just long enough for the timer
    }
    EXPECT_EQ(state.book.pageIndex, kPages - 1);
    CancelPreload(state.preload, state.book);
    EXPECT_FALSE(gate.overlapped);
    EXPECT_TRUE(state.book.preloaded.isNull());
    const int decoded = state.preload.worker.decodesFinished();
    PreloadNextPage(state);
    state.book.bookLoaded = false;
    state.book.pageIndex = 0;
    PreloadNextPage(state);
    state.preload.worker.waitIdle();
    EXPECT_EQ(state.preload.worker.decodesFinished(), decoded);
}

TEST_F(PreloadCommands, ShutDownWaitsForTheRunningDecodeAndFreesBothPages)
{
    OpenGreyBook(state, dir, 3, QSize(8, 6), 1);
    Gate gate;
    state.preload.worker.setDecoder(gate.decoder());
    ArmPreloadIfWanted(state);
    PreloadNextPage(state);
    gate.entered.acquire();
    std::thread opener = gate.openSoon();
    RunAction(state, u"close"); // returns only once the decode is over
    opener.join();
    EXPECT_TRUE(state.shutDown);
    EXPECT_TRUE(state.preload.worker.idle());
    EXPECT_FALSE(state.preload.timer.isActive());
    EXPECT_TRUE(state.book.current.isNull());
    EXPECT_TRUE(state.book.preloaded.isNull());
    PreloadNextPage(state); // a late timer after the end does nothing
    EXPECT_TRUE(state.preload.worker.idle());
}

// The two-page view preloads the next pair, joined on the worker: the turn shows it without its files.
TEST_F(PreloadCommands, TheTwoPageViewPreloadsTheNextPairJoined)
{
    OpenGreyBook(state, dir, 4, QSize(6, 8), 1);
    state.view.twoPages = true;
    PreloadNextPage(state);
    state.preload.worker.waitIdle();
    for (int page : {1, 2})
        QFile::remove(dir.file(state.book.PageList.item(page)));
    RunAction(state, u"foward");
    EXPECT_EQ(std::tuple(state.book.pageIndex, state.view.pagesShown, greyOf(state.book.current),
                         state.book.current.width()),
              std::tuple(1, 2, 1, 12));
}
