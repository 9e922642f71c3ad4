// The next page decoded in the background: published only when complete, thrown away by every page
// change but a forward turn, and never outliving its book or the program.

#include "app/AppState.h"
#include "app/OpenBooks.h"
#include "app/Commands.h"
#include "book/Preload.h"
#include "book/PreloadWorker.h"
#include "support/TestState.h"
#include "support/TestSupport.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// A book of `count` small PNG pages, page i filled with grey level i.
struct TestBook {
    ScratchDir dir;
    QStringList names;
    explicit TestBook(int count) : names(WriteGreyPages(dir, count, QSize(8, 6), 1)) {}
    void openIn(AppState& state, int pageIndex = 0) const { OpenPagesIn(state, dir, names, pageIndex); }
};
int greyOf(const PageImage& page)
{
    return page.isNull() ? -1 : qRed(page.pixels.pixel(0, 0));
}

// A decoder that waits at a gate until the test opens it, and counts how many decodes overlap.
struct GatedDecoder {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    int entered = 0;
    int inFlight = 0;
    int maxInFlight = 0;

    PreloadWorker::Decoder decoder()
    {
        return [this](PageImage& record, const QString& path, bool, const DecodeOptions&) {
            std::unique_lock lock(mutex);
            ++entered;
            maxInFlight = std::max(maxInFlight, ++inFlight);
            changed.notify_all();
            changed.wait(lock, [this] { return open; });
            --inFlight;
            lock.unlock();
            record.pixels = QImage(path).convertToFormat(QImage::Format_RGB32);
            return !record.isNull();
        };
    }
    void waitEntered(int count)
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return entered >= count; });
    }
    void release()
    {
        std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }
    // Opens the gate a little later, from another thread, while the caller blocks on the decode.
    std::thread releaseSoon()
    {
        return std::thread([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            release();
        });
    }
};

PreloadRequest requestFor(const TestBook& book, int index)
{
    return {book.dir.file(book.names[index]), false, {}, index};
}

} // namespace

TEST(PreloadWorker, PublishesOnlyWhenTheDecodeIsComplete)
{
    TestBook book(2);
    GatedDecoder gate;
    PreloadWorker worker(gate.decoder());
    worker.submit(requestFor(book, 1));
    gate.waitEntered(1);
    EXPECT_FALSE(worker.take().has_value()) << "a page still decoding must not be visible";
    EXPECT_FALSE(worker.idle());
    gate.release();
    worker.waitIdle();
    std::optional<PreloadedPage> page = worker.take();
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->request.pageIndex, 1);
    EXPECT_EQ(greyOf(page->image), 1);
    EXPECT_FALSE(worker.take().has_value()) << "a page is handed over once";
}

TEST(PreloadWorker, AResultOfAnOldGenerationIsDropped)
{
    TestBook book(2);
    GatedDecoder gate;
    PreloadWorker worker(gate.decoder());
    worker.submit(requestFor(book, 1));
    gate.waitEntered(1);
    worker.invalidate(); // the reader turned the page meanwhile
    gate.release();
    worker.waitIdle();
    EXPECT_FALSE(worker.take().has_value());
    EXPECT_EQ(worker.decodesFinished(), 1);
}

TEST(PreloadWorker, RunsOneDecodeAtATimeAndKeepsOnlyTheNewestRequest)
{
    TestBook book(5);
    GatedDecoder gate;
    PreloadWorker worker(gate.decoder());
    worker.submit(requestFor(book, 1));
    gate.waitEntered(1);
    for (int i = 2; i < 5; ++i)
        worker.submit(requestFor(book, i)); // each replaces the one waiting
    gate.release();
    worker.waitIdle();
    EXPECT_EQ(gate.maxInFlight, 1);
    EXPECT_EQ(worker.decodesFinished(), 2) << "the first, then only the newest waiting request";
    std::optional<PreloadedPage> page = worker.take();
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->request.pageIndex, 4);
}

TEST(PreloadWorker, EndingWaitsForTheRunningDecode)
{
    TestBook book(2);
    std::atomic<bool> finished{false};
    {
        PreloadWorker worker([&](PageImage& record, const QString& path, bool, const DecodeOptions&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            record.pixels = QImage(path);
            finished = true;
            return true;
        });
        worker.submit(requestFor(book, 1));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(finished.load()) << "the worker ended before its decode returned";
}

TEST(PreloadWorker, AFailedDecodeLeavesNothing)
{
    PreloadWorker worker;
    worker.submit({QStringLiteral("/nonexistent/page.png"), false, {}, 1});
    worker.waitIdle();
    EXPECT_FALSE(worker.take().has_value());
}

// --- on the program's state -------------------------------------------------------------------

class PreloadOnState : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseDefaultSettings(state);
        state.settings.norm = false; // pages are compared by their pixels
    }
    AppState state;
    MessageRecorder messages;
};

TEST_F(PreloadOnState, TheTimerDecodesTheNextPageTwoSecondsAfterArming)
{
    TestBook book(3);
    book.openIn(state);
    ArmPreloadIfWanted(state);
    EXPECT_TRUE(state.preload.timer.isActive());
    EXPECT_EQ(state.preload.timer.interval(), 2000);
    EXPECT_TRUE(state.preload.timer.isSingleShot());
    QTest::qWait(1800);
    EXPECT_EQ(state.preload.worker.decodesFinished(), 0) << "nothing before two seconds";
    QTRY_COMPARE_WITH_TIMEOUT(state.preload.worker.decodesFinished(), 1, 2000);
    state.book.pageIndex = 1;
    ASSERT_TRUE(TakePreloadedPage(state.preload, state.book, state.view.flipped));
    EXPECT_EQ(greyOf(state.book.current), 1);
    EXPECT_TRUE(state.book.preloaded.isNull());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(PreloadOnState, AForwardTurnAfterAPauseShowsThePageWithoutDecodingIt)
{
    TestBook book(3);
    book.openIn(state);
    PreloadNextPage(state); // as the timer would
    state.preload.worker.waitIdle();
    // The file is gone, so only the preloaded copy can show page 2.
    QFile::remove(book.dir.file(book.names[1]));
    RunAction(state, u"foward");
    EXPECT_EQ(state.book.pageIndex, 1);
    EXPECT_EQ(greyOf(state.book.current), 1);
    EXPECT_TRUE(state.preload.timer.isActive()) << "the next preload is armed";
}

TEST_F(PreloadOnState, AForwardTurnWithoutAPreloadDecodesOnTheSpot)
{
    TestBook book(3);
    book.openIn(state);
    RunAction(state, u"foward");
    EXPECT_EQ(greyOf(state.book.current), 1);
    EXPECT_EQ(state.preload.worker.decodesFinished(), 0);
}

TEST_F(PreloadOnState, EveryOtherPageChangeThrowsThePreloadedPageAway)
{
    struct Case {
        const char* name;
        std::function<void(AppState&)> change;
        int expectedIndex;
    };
    const std::vector<Case> cases = {
        {"back", [](AppState& s) { RunAction(s, u"back"); }, 0},
        {"flip", [](AppState& s) { RunAction(s, u"flip"); }, 1},
        {"contrast re-decode", [](AppState& s) {
             s.book.pageIndex -= 1;
             DiscardPreloadedPage(s.preload, s.book);
             RunAction(s, u"foward");
         }, 1},
        {"book change", [](AppState& s) { CancelPreload(s.preload, s.book); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState s;
        UseDefaultSettings(s);
        s.settings.norm = false;
        TestBook book(4);
        book.openIn(s, 1);
        PreloadNextPage(s); // page 3 (index 2) preloaded
        s.preload.worker.waitIdle();
        c.change(s);
        EXPECT_EQ(s.book.pageIndex, c.expectedIndex);
        s.book.pageIndex = 2; // whatever comes now must not be the old page 3
        EXPECT_FALSE(TakePreloadedPage(s.preload, s.book, s.view.flipped));
    }
}

TEST_F(PreloadOnState, APreloadForAnotherPageOrBookIsNotTaken)
{
    TestBook book(4);
    TestBook other(4);
    book.openIn(state);
    PreloadNextPage(state);
    state.preload.worker.waitIdle();
    state.book.pageIndex = 2; // jumped past the preloaded page without a discard
    EXPECT_FALSE(TakePreloadedPage(state.preload, state.book, state.view.flipped));

    state.book.pageIndex = 0;
    PreloadNextPage(state);
    state.preload.worker.waitIdle();
    other.openIn(state, 1); // same index, different book
    EXPECT_FALSE(TakePreloadedPage(state.preload, state.book, state.view.flipped));
}

TEST_F(PreloadOnState, TheLastPageAndAClosedBookPreloadNothing)
{
    TestBook book(2);
    book.openIn(state, 1);
    PreloadNextPage(state);
    EXPECT_TRUE(state.preload.worker.idle());
    book.openIn(state, 0);
    state.book.bookLoaded = false;
    PreloadNextPage(state);
    EXPECT_TRUE(state.preload.worker.idle());
    EXPECT_EQ(state.preload.worker.decodesFinished(), 0);
}

TEST_F(PreloadOnState, WithPreloadingOffNoTimerStarts)
{
    TestBook book(3);
    book.openIn(state);
    state.settings.preloadnextpage = false;
    RunAction(state, u"foward");
    RunAction(state, u"back");
    EXPECT_FALSE(state.preload.timer.isActive());
}

TEST_F(PreloadOnState, CancelWaitsForARunningDecodeAndDropsIt)
{
    TestBook book(3);
    book.openIn(state);
    GatedDecoder gate;
    state.preload.worker.setDecoder(gate.decoder());
    ArmPreloadIfWanted(state);
    PreloadNextPage(state);
    gate.waitEntered(1);
    std::thread opener = gate.releaseSoon();
    CancelPreload(state.preload, state.book); // returns only once the decode is over
    EXPECT_TRUE(state.preload.worker.idle());
    EXPECT_FALSE(state.preload.timer.isActive());
    opener.join();
    state.book.pageIndex = 1;
    EXPECT_FALSE(TakePreloadedPage(state.preload, state.book, state.view.flipped));
}

// Holding the next-page key: page turns come faster than pages decode, and the timer may fire between
// any two of them. At most one decode runs, nothing stale is ever shown, and the last page reached is
// the one on screen.
TEST_F(PreloadOnState, TurningFasterThanTheDecoderStaysBoundedAndEndsOnTheLastPage)
{
    constexpr int kPages = 300;
    TestBook book(kPages);
    book.openIn(state);
    std::atomic<int> inFlight{0};
    std::atomic<int> maxInFlight{0};
    state.preload.worker.setDecoder([&](PageImage& record, const QString& path, bool, const DecodeOptions&) {
        const int now = ++inFlight;
        int seen = maxInFlight.load();
        while (now > seen && !maxInFlight.compare_exchange_weak(seen, now)) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        record.pixels = QImage(path).convertToFormat(QImage::Format_RGB32);
        --inFlight;
        return true;
    });
    for (int i = 1; i < kPages + 10; ++i) {
        RunAction(state, u"foward");
        ASSERT_EQ(greyOf(state.book.current), std::min(i, kPages - 1) % 256);
        if (i % 3 == 0)
            PreloadNextPage(state); // the reader paused just long enough for the timer
    }
    EXPECT_EQ(state.book.pageIndex, kPages - 1);
    EXPECT_LE(maxInFlight.load(), 1);
    CancelPreload(state.preload, state.book);
    EXPECT_TRUE(state.book.preloaded.isNull());
}

TEST_F(PreloadOnState, ShutDownStopsThePreloadAndFreesBothPages)
{
    TestBook book(3);
    book.openIn(state);
    GatedDecoder gate;
    state.preload.worker.setDecoder(gate.decoder());
    ArmPreloadIfWanted(state);
    PreloadNextPage(state);
    gate.waitEntered(1);
    std::thread opener = gate.releaseSoon();
    RunAction(state, u"close");
    opener.join();
    EXPECT_TRUE(state.shutDown);
    EXPECT_TRUE(state.preload.worker.idle());
    EXPECT_FALSE(state.preload.timer.isActive());
    EXPECT_TRUE(state.book.current.isNull());
    EXPECT_TRUE(state.book.preloaded.isNull());
    PreloadNextPage(state); // a late timer after the end does nothing
    EXPECT_TRUE(state.preload.worker.idle());
}
