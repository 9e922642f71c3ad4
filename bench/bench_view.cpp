// SPDX-License-Identifier: GPL-3.0-or-later
// The page view and book opening, each beside the reference it is held to:
//   cache rebuild     vs QImage::scaled(..., Qt::SmoothTransformation) of the same page
//   paint from cache  (target: under 2 ms for a 1000 x 1414 view)
//   open a directory  vs decoding its first page alone (target: at most 1.2 x)
// Pages come from gen_data.sh in $PERFDATA (default /tmp/perfdata); without them a generated page stands in
// and the directory benchmarks are skipped.

#include "app/AppState.h"
#include "app/OpenBooks.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "book/OpenBook.h"
#include "book/PageDirectory.h"
#include "image/DecodePage.h"
#include "view/PageGeometry.h"
#include "view/PageRender.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include "BenchMain.h"

#include <benchmark/benchmark.h>

namespace {
const QSize kView(1000, 1414);

QString perfData()
{
    const QString dir = qEnvironmentVariable("PERFDATA", QStringLiteral("/tmp/perfdata"));
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

const QImage& testPage()
{
    static const QImage page = [] {
        PageImage decoded;
        if (DecodePage(decoded, perfData() + QStringLiteral("page.jpg"), false, {false, 0}))
            return decoded.pixels;
        QImage noise(2480, 3508, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < noise.height(); ++y) {
            auto* row = reinterpret_cast<quint32*>(noise.scanLine(y));
            for (int x = 0; x < noise.width(); ++x)
                row[x] = 0xff000000u | (random.generate() & 0xffffffu);
        }
        return noise;
    }();
    return page;
}

void BM_QImageScaledSmooth(benchmark::State& state)
{
    const QImage& page = testPage();
    const QSize size = ScaledPageCacheSize(page.size(), kView, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(page.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
BENCHMARK(BM_QImageScaledSmooth)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RebuildScaledPage(benchmark::State& state)
{
    const QImage& page = testPage();
    const QSize size = ScaledPageCacheSize(page.size(), kView, false);
    QImage cache;
    for (auto _ : state) {
        cache = QImage(); // as the view does: the old cache goes first
        cache = ScalePage(page, size, true);
        benchmark::DoNotOptimize(cache);
    }
}
BENCHMARK(BM_RebuildScaledPage)->Unit(benchmark::kMillisecond)->UseRealTime();

// A view's backing store is an RGB32 (or premultiplied ARGB32) surface of the view's size.
void BM_PaintFromCache(benchmark::State& state)
{
    const QImage& page = testPage();
    const QImage cache = ScalePage(page, ScaledPageCacheSize(page.size(), kView, false), true);
    const PageLayout layout = LayoutFitPage(page.size(), kView, 0, 0);
    QImage surface(kView, state.range(0) ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&surface);
        DrawPageView(painter, kView, page, layout, &cache, true);
    }
}
BENCHMARK(BM_PaintFromCache)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_PaintNormalView(benchmark::State& state)
{
    const QImage& page = testPage();
    const PageLayout layout = LayoutNormalView(page.size(), kView, 0, 0, 0);
    QImage surface(kView, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&surface);
        DrawPageView(painter, kView, page, layout, nullptr, false);
    }
}
BENCHMARK(BM_PaintNormalView)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Paints straight from the page, as during a resize drag.
void BM_PaintFitPageUncached(benchmark::State& state)
{
    const QImage& page = testPage();
    const PageLayout layout = LayoutFitPage(page.size(), kView, 0, 0);
    QImage surface(kView, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&surface);
        DrawPageView(painter, kView, page, layout, nullptr, true);
    }
}
BENCHMARK(BM_PaintFitPageUncached)->Unit(benchmark::kMillisecond)->UseRealTime();

bool havePages(benchmark::State& state)
{
    if (QDir(perfData() + QStringLiteral("pages")).exists())
        return true;
    state.SkipWithError("no pages: run gen_data.sh");
    return false;
}

void BM_DecodeFirstPage(benchmark::State& state)
{
    if (!havePages(state))
        return;
    const Settings settings = ReadSettings(SettingsReader(), QStringLiteral("/"));
    PageImage page;
    const QString first = perfData() + QStringLiteral("pages/") + ScanPageDirectory(perfData() + "pages/")->item(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodePage(page, first, false, {settings.norm, settings.contrastval}));
}
BENCHMARK(BM_DecodeFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenDirectoryBook(benchmark::State& state)
{
    if (!havePages(state))
        return;
    AppState app;
    app.settings = ReadSettings(SettingsReader(), QStringLiteral("/"));
    app.settings.preloadnextpage = false;
    for (auto _ : state) {
        app.book.BookDir = perfData() + QStringLiteral("pages/");
        app.book.BookPath.clear();
        OpenBookDir(app);
        if (!app.book.bookLoaded)
            state.SkipWithError("the book didn't open");
    }
}
BENCHMARK(BM_OpenDirectoryBook)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ScanPageDirectory(benchmark::State& state)
{
    if (!havePages(state))
        return;
    const QString dir = perfData() + QStringLiteral("pages/");
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanPageDirectory(dir));
}
BENCHMARK(BM_ScanPageDirectory)->Unit(benchmark::kMicrosecond)->UseRealTime();
} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
