// The next page decoded in the background: published only when complete, thrown away by every page
// change but a forward turn, and never outliving its book or the program. These run under
// ThreadSanitizer in CI.

#include "app/AppState.h"
#include "app/Commands.h"
#include "app/OpenBooks.h"
#include "book/Preload.h"
#include "support/TestState.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// A decoder that waits at a gate until the test opens it, and counts the decodes that overlap.
struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    int slowMs = 0; // each decode takes this long once the gate is open
    int entered = 0, inFlight = 0, maxInFlight = 0;

    PreloadWorker::Decoder decoder()
    {
        return [this](PageImage& record, const QString& path, bool, const DecodeOptions&) {
            std::unique_lock lock(mutex);
            ++entered;
            maxInFlight = std::max(maxInFlight, ++inFlight);
            changed.notify_all();
            changed.wait(lock, [this] { return open; });
            std::this_thread::sleep_for(std::chrono::milliseconds(slowMs));
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
    // Opens the gate from another thread after `ms`, while the caller may block on the decode.
    std::thread openAfter(int ms)
    {
        return std::thread([this, ms] {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            std::lock_guard lock(mutex);
            open = true;
            changed.notify_all();
        });
    }
};

int greyOf(const PageImage& page)
{
    return page.isNull() ? -1 : qRed(page.pixels.pixel(0, 0));
}

// A book of `count` small pages, page i of grey level i, open at `index`.
struct GreyBook {
    ScratchDir dir;
    QStringList names;
    BookState book;
    explicit GreyBook(int count, int index = 0) : names(WriteGreyPages(dir, count, QSize(8, 6), 1))
    {
        book.BookDir = dir.path();
        SetPages(book, names);
        book.bookLoaded = true;
        book.pageIndex = index;
    }
    PreloadRequest request(int index) const { return {dir.file(names[index]), false, {}, index}; }
};

} // namespace

TEST(PreloadWorker, PublishesOnlyWhenCompleteAndKeepsOnlyTheNewestRequest)
{
    const GreyBook pages(5);
    Gate gate;
    PreloadWorker worker(gate.decoder());
    worker.submit(pages.request(1));
    gate.waitEntered(1);
    for (int i = 2; i < 5; ++i)
        worker.submit(pages.request(i)); // each replaces the one waiting
    EXPECT_FALSE(worker.take()) << "a page still decoding must not be visible";
    EXPECT_FALSE(worker.idle());
    gate.openAfter(0).join();
    worker.waitIdle();
    EXPECT_EQ(gate.maxInFlight, 1);
    EXPECT_EQ(worker.decodesFinished(), 2) << "the first, then only the newest waiting request";
    std::optional<PreloadedPage> page = worker.take();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->request.pageIndex, 4);
    EXPECT_EQ(greyOf(page->image), 4);
    EXPECT_FALSE(worker.take()) << "a page is handed over once";
}

TEST(PreloadWorker, ResultsOfAnOldGenerationOrAFailedDecodeAreDropped)
{
    const GreyBook pages(2);
    Gate gate;
    PreloadWorker worker(gate.decoder());
    worker.submit(pages.request(1));
    gate.waitEntered(1);
    worker.invalidate(); // the reader turned the page meanwhile
    gate.openAfter(0).join();
    worker.waitIdle();
    EXPECT_FALSE(worker.take());
    EXPECT_EQ(worker.decodesFinished(), 1);
    worker.submit({QStringLiteral("/nonexistent/page.png"), false, {}, 1});
    worker.waitIdle();
    EXPECT_FALSE(worker.take());
}

TEST(PreloadWorker, EndingWaitsForTheRunningDecode)
{
    std::atomic<bool> finished{false};
    {
        PreloadWorker worker([&](PageImage&, const QString&, bool, const DecodeOptions&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            finished = true;
            return false;
        });
        worker.submit({});
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(finished.load()) << "the worker ended before its decode returned";
}

TEST(PreloadBook, OnlyTheNextPageOfThisBookTurnedTheSameWayIsTaken)
{
    const GreyBook other(4);
    const struct {
        const char* name;
        std::function<void(PreloadState&, BookState&)> meanwhile;
        bool flipped, taken;
    } cases[] = {
        {"turned to", [](PreloadState&, BookState&) {}, false, true},
        {"turned the other way", [](PreloadState&, BookState&) {}, true, false},
        {"jumped past it", [](PreloadState&, BookState& book) { book.pageIndex = 2; }, false, false},
        {"discarded", [](PreloadState& preload, BookState& book) { DiscardPreloadedPage(preload, book); }, false, false},
        {"cancelled for a book change", [](PreloadState& preload, BookState& book) { CancelPreload(preload, book); },
         false, false},
        {"same index of another book", [&](PreloadState&, BookState& book) { book.BookDir = other.dir.path(); }, false,
         false},
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

TEST(PreloadBook, TheLastPageAndAClosedBookPreloadNothing)
{
    GreyBook last(2, 1), closed(2);
    closed.book.bookLoaded = false;
    for (const BookState* book : {&last.book, &closed.book}) {
        PreloadState preload;
        PreloadPage(preload, *book, false, {});
        EXPECT_TRUE(preload.worker.idle());
        EXPECT_EQ(preload.worker.decodesFinished(), 0);
    }
}

TEST(PreloadBook, CancelWaitsForARunningDecodeAndDropsIt)
{
    GreyBook pages(3);
    PreloadState preload;
    Gate gate;
    preload.worker.setDecoder(gate.decoder());
    ArmPreload(preload, [] {});
    PreloadPage(preload, pages.book, false, {});
    gate.waitEntered(1);
    std::thread opener = gate.openAfter(50);
    CancelPreload(preload, pages.book); // returns only once the decode is over
    EXPECT_TRUE(preload.worker.idle());
    EXPECT_FALSE(preload.timer.isActive());
    opener.join();
    pages.book.pageIndex = 1;
    EXPECT_FALSE(TakePreloadedPage(preload, pages.book, false));
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

TEST_F(PreloadCommands, TheTimerPreloadsTheNextPageTwoSecondsAfterArming)
{
    OpenGreyBook(state, dir, 3, QSize(8, 6), 1);
    state.settings.preloadnextpage = false;
    ArmPreloadIfWanted(state);
    EXPECT_FALSE(state.preload.timer.isActive());
    state.settings.preloadnextpage = true;
    ArmPreloadIfWanted(state);
    EXPECT_TRUE(state.preload.timer.isActive());
    EXPECT_EQ(state.preload.timer.interval(), 2000);
    EXPECT_TRUE(state.preload.timer.isSingleShot());
    QTest::qWait(1800);
    EXPECT_EQ(state.preload.worker.decodesFinished(), 0) << "nothing before two seconds";
    QTRY_COMPARE_WITH_TIMEOUT(state.preload.worker.decodesFinished(), 1, 2000);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(PreloadCommands, AForwardTurnShowsThePreloadedPageAndOtherTurnsDropIt)
{
    OpenGreyBook(state, dir, 4, QSize(8, 6), 1);
    PreloadNextPage(state); // as the timer would
    state.preload.worker.waitIdle();
    QFile::remove(dir.file(state.book.PageList.item(1))); // so only the preloaded copy can show it
    RunAction(state, u"foward");
    EXPECT_EQ(greyOf(state.book.current), 1);
    EXPECT_TRUE(state.preload.timer.isActive()) << "the next preload is armed";
    for (const char16_t* action : {u"back", u"flip"}) {
        state.book.pageIndex = 1;
        PreloadNextPage(state);
        state.preload.worker.waitIdle();
        RunAction(state, action);
        state.book.pageIndex = 2; // whatever comes now must not be the old page 3
        EXPECT_FALSE(TakePreloadedPage(state.preload, state.book, state.view.flipped));
    }
}

// Holding the next-page key: page turns come faster than pages decode, and the timer may fire between
// any two of them. At most one decode runs, nothing stale is ever shown, and the last page reached is
// the one on screen.
TEST_F(PreloadCommands, TurningFasterThanTheDecoderStaysBoundedAndEndsOnTheLastPage)
{
    constexpr int kPages = 300;
    OpenGreyBook(state, dir, kPages, QSize(8, 6), 1);
    Gate gate;
    gate.open = true;
    gate.slowMs = 2;
    state.preload.worker.setDecoder(gate.decoder());
    for (int i = 1; i < kPages + 10; ++i) {
        RunAction(state, u"foward");
        ASSERT_EQ(greyOf(state.book.current), std::min(i, kPages - 1) % 256);
        if (i % 3 == 0)
            PreloadNextPage(state); // the reader paused just long enough for the timer
    }
    EXPECT_EQ(state.book.pageIndex, kPages - 1);
    CancelPreload(state.preload, state.book);
    EXPECT_LE(gate.maxInFlight, 1);
    EXPECT_TRUE(state.book.preloaded.isNull());
}

TEST_F(PreloadCommands, ShutDownStopsThePreloadAndFreesBothPages)
{
    OpenGreyBook(state, dir, 3, QSize(8, 6), 1);
    Gate gate;
    state.preload.worker.setDecoder(gate.decoder());
    ArmPreloadIfWanted(state);
    PreloadNextPage(state);
    gate.waitEntered(1);
    std::thread opener = gate.openAfter(50);
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
