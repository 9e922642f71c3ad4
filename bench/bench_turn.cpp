// SPDX-License-Identifier: GPL-3.0-or-later
// Turning to the next page: the turn that takes the preloaded page (or, in the two-page view, the
// preloaded pair) against the same turn decoding the page itself, from the key press to the painted view; and the smooth-scroll cadence while a page
// decodes on the other core.
//
//   ./build/bench/bench_turn                      (QT_QPA_PLATFORM=offscreen is set when unset)

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/OpenBooks.h"
#include "app/PageTurn.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "app/ViewCommands.h"
#include "book/OpenBook.h"
#include "book/Preload.h"
#include "view/PageView.h"
#include "view/SmoothScroll.h"
#include "view/WheelInput.h"

#include "BenchMain.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImageWriter>
#include <QKeyEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

constexpr int kPageWidth = 2480;
constexpr int kPageHeight = 3508;

// A page that compresses like a scanned comic page: panels of shaded areas, lines and noise.
QImage drawPage(int seed)
{
    QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    QRandomGenerator random(quint32(seed + 1));
    for (int panel = 0; panel < 12; ++panel) {
        const QRect box(80 + (panel % 2) * 1180, 80 + (panel / 2) * 560, 1140, 520);
        QLinearGradient shade(box.topLeft(), box.bottomRight());
        shade.setColorAt(0, QColor::fromHsv(random.bounded(360), 80, 230));
        shade.setColorAt(1, QColor::fromHsv(random.bounded(360), 160, 120));
        painter.fillRect(box, shade);
        painter.setPen(QPen(Qt::black, 6));
        painter.drawRect(box);
        for (int i = 0; i < 60; ++i) {
            painter.setPen(QPen(QColor::fromRgb(random.generate()), 1 + random.bounded(5)));
            painter.drawLine(box.left() + random.bounded(box.width()), box.top() + random.bounded(box.height()),
                             box.left() + random.bounded(box.width()), box.top() + random.bounded(box.height()));
        }
    }
    painter.end();
    for (int y = 0; y < kPageHeight; y += 3) {
        auto* row = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < kPageWidth; x += 7)
            row[x] ^= random.generate() & 0x000f0f0fu;
    }
    return page;
}

// Three pages as quality-90 JPEG files, written once per run: page 1, then pages 2-3 as a pair.
const QString& bookDir()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        for (int i = 0; i < 3; ++i) {
            QImageWriter writer(dir.path() + QStringLiteral("/page%1.jpg").arg(i));
            writer.setQuality(90);
            writer.write(drawPage(i));
        }
        return dir.path() + u'/';
    }();
    return path;
}

// The viewer's windows over a three-page book, shown in the fit-page view of a 1000 x 1414 window.
struct Viewer {
    AppState state;
    std::unique_ptr<MainWindow> window;

    Viewer()
    {
        state.settings = ReadSettings(SettingsReader(), QString());
        state.settings.wndxpos = 0;
        state.settings.wndypos = 0;
        state.settings.wndwidth = 1000;
        state.settings.wndheight = 1414;
        state.settings.preloadnextpage = false; // the benchmark preloads by hand
        state.accelTable = BuildAccelTable(state.settings);
        window = std::make_unique<MainWindow>(state);
        state.windows = {window.get(), window->pageView(), window->shelfView()};
        window->show();
        window->activateWindow();
        wait(50);
        state.book.BookDir = bookDir();
        OpenBookDir(state);
        state.view.stretched = true;
        state.settings.wstretched = false;
        settle();
    }
    ~Viewer()
    {
        CancelPreload(state.preload, state.book);
        window.reset();
    }
    // Lets the cache timer and any paint run.
    static void settle() { wait(80); }

    void backToFirstPage(bool preload)
    {
        state.book.pageIndex = 0;
        state.view.pagesShown = 1; // the cover stands alone in the two-page view
        DiscardPreloadedPage(state.preload, state.book);
        if (preload) {
            PreloadNextPage(state); // what the two-second timer does
            state.preload.worker.waitIdle();
        }
        settle();
    }

    // The key press of the next-page key (X) through the accelerators, then the paint it asks for.
    void turnForward()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(window.get(), &press);
        state.windows.pageView->repaint();
    }
};

void forwardTurn(benchmark::State& bench, bool preloaded, bool twoPages = false)
{
    Viewer viewer;
    viewer.state.view.twoPages = twoPages;
    if (viewer.state.book.PageList.isEmpty()) {
        bench.SkipWithError("the book didn't open");
        return;
    }
    for (auto _ : bench) {
        viewer.backToFirstPage(preloaded);
        QElapsedTimer timer;
        timer.start();
        viewer.turnForward();
        bench.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (viewer.state.book.pageIndex != 1 || viewer.state.view.pagesShown != (twoPages ? 2 : 1)) {
            bench.SkipWithError("the page didn't turn");
            return;
        }
    }
}

void BM_ForwardTurnPreloaded(benchmark::State& bench)
{
    forwardTurn(bench, true);
}
void BM_ForwardTurnDecoding(benchmark::State& bench)
{
    forwardTurn(bench, false);
}
// The same turn in the two-page view, to the preloaded pair of pages 2-3.
void BM_ForwardTurnPreloadedPair(benchmark::State& bench)
{
    forwardTurn(bench, true, true);
}
BENCHMARK(BM_ForwardTurnPreloadedPair)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(50)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ForwardTurnPreloaded)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(50)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ForwardTurnDecoding)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(50)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Smooth scrolling down the page at 100 % for 1.5 s, with the next page decoding again and again on the
// worker thread (or, for reference, with the worker idle). Reports the tick intervals.
void smoothScrollCadence(benchmark::State& bench, bool decoding)
{
    Viewer viewer;
    if (viewer.state.book.PageList.isEmpty()) {
        bench.SkipWithError("the book didn't open");
        return;
    }
    viewer.state.view.stretched = false;
    viewer.state.settings.mousewheelval = 999;
    std::vector<double> intervals;
    int decodes = 0;
    QElapsedTimer clock;
    qint64 last = -1;
    QObject::connect(&viewer.window->pageView()->smoothScrollTimer(), &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0)
            intervals.push_back(double(now - last) / 1e6);
        last = now;
    });
    for (auto _ : bench) {
        viewer.backToFirstPage(false);
        viewer.state.book.scrollY = 0;
        last = -1;
        const int decodedBefore = viewer.state.preload.worker.decodesFinished();
        QTimer feeder; // keeps the other core decoding
        QObject::connect(&feeder, &QTimer::timeout, [&] {
            if (decoding && viewer.state.preload.worker.idle())
                PreloadNextPage(viewer.state);
        });
        feeder.start(5);
        QEventLoop loop;
        QTimer::singleShot(1500, &loop, &QEventLoop::quit);
        clock.start();
        for (int i = 0; i < 3; ++i)
            WheelTurned(viewer.state, -120);
        loop.exec();
        feeder.stop();
        StopSmoothScroll(viewer.state.navigation);
        viewer.state.preload.worker.waitIdle();
        decodes += viewer.state.preload.worker.decodesFinished() - decodedBefore;
    }
    if (intervals.empty()) {
        bench.SkipWithError("no ticks");
        return;
    }
    std::sort(intervals.begin(), intervals.end());
    const auto at = [&](double q) { return intervals[std::size_t(q * double(intervals.size() - 1))]; };
    const double within = double(std::count_if(intervals.begin(), intervals.end(),
                                               [](double ms) { return ms >= 12.0 && ms <= 18.0; }))
        / double(intervals.size());
    bench.counters["ticks"] = double(intervals.size());
    bench.counters["median_ms"] = at(0.5);
    bench.counters["p05_ms"] = at(0.05);
    bench.counters["p95_ms"] = at(0.95);
    bench.counters["max_ms"] = intervals.back();
    bench.counters["within_15pm3"] = within;
    bench.counters["decodes"] = decodes;
}

void BM_SmoothScrollCadenceDuringPreload(benchmark::State& bench)
{
    smoothScrollCadence(bench, true);
}
void BM_SmoothScrollCadenceIdle(benchmark::State& bench)
{
    smoothScrollCadence(bench, false);
}
BENCHMARK(BM_SmoothScrollCadenceDuringPreload)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmoothScrollCadenceIdle)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
