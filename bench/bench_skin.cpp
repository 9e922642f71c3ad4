// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the main window from the skin, beside the cheapest paint there is:
//   the whole window from the three bitmaps   vs a plain QPainter fill of the same picture
//   a button press (the elements drawn again)
// at 1600 x 1000, for the skins the build draws (build/skins/, found beside this program's folder).

#include "skin/SkinBitmaps.h"
#include "skin/SkinDraw.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinLayoutFile.h"
#include "skin/SkinText.h"

#include "BenchMain.h"
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>

namespace {
const QSize kWindow(1600, 1000);

struct LoadedSkin {
    SkinLayout layout;
    SkinBitmaps bitmaps;
    bool ok = false;
};

LoadedSkin& skin(const QString& name)
{
    static std::map<QString, LoadedSkin> loaded;
    LoadedSkin& s = loaded[name];
    if (!s.ok) {
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../skins/") + name + u'/';
        Messages said;
        s.ok = LoadSkinLayout(s.layout, dir, said) && LoadSkinBitmaps(s.bitmaps, dir, said);
        SkinTexts texts;
        SetSkinText(s.layout, texts, QStringLiteral("main"), QStringLiteral("PAGE : 3/24 (SAMPLE BOOK.CBZ)"));
    }
    return s;
}

const char* const kSkins[] = {"default", "nocturne"};

void BM_PlainFill(benchmark::State& state)
{
    const int scale = int(state.range(0));
    QImage picture(kWindow * scale, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), QColor(0x20, 0x24, 0x2c));
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_PlainFill)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// What a paint of the whole window composes: every region, then buttons, sliders and texts. The shipped
// skins leave the page area to the page view; the "window" variants add a first region that tiles or
// scales a piece of the bands over the whole window, as a skin with a background behind an inset page
// would.
void BM_PaintSkinWindow(benchmark::State& state)
{
    LoadedSkin& loaded = skin(QString::fromLatin1(kSkins[state.range(0) % 2]));
    if (!loaded.ok) {
        state.SkipWithError("no skins beside the benchmarks: build the skins target");
        return;
    }
    LoadedSkin s = loaded;
    if (state.range(0) >= 2) {
        const SkinRegion& band = s.layout.regions.records.front();
        const int stretch = state.range(0) == 3;
        s.layout.regions.records.insert(s.layout.regions.records.begin(),
                                        {0, 0, -1, -1, band.srcX, band.srcY, band.srcWidth, band.srcHeight, stretch});
    }
    const int scale = int(state.range(1));
    const SkinArt art = SkinArtForScale(s.bitmaps, scale);
    QImage picture(kWindow * scale, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&picture);
        SkinCanvas canvas{painter, art, kWindow};
        DrawSkinRegions(canvas, s.layout);
        DrawSkinElements(canvas, s.layout, QPoint(-1, -1), false, {});
        benchmark::DoNotOptimize(picture.constBits());
    }
    const char* const labels[] = {"default", "nocturne", "default, window tiled", "default, window scaled"};
    state.SetLabel(labels[state.range(0)]);
}
BENCHMARK(BM_PaintSkinWindow)->ArgsProduct({{0, 1, 2, 3}, {1, 2}})->Unit(benchmark::kMicrosecond);

// A press redraws the elements only (the screen then copies the button's own rectangle).
void BM_ButtonPress(benchmark::State& state)
{
    LoadedSkin& s = skin(QStringLiteral("default"));
    if (!s.ok || s.layout.buttons.records.empty()) {
        state.SkipWithError("no default skin");
        return;
    }
    const SkinArt art = SkinArtForScale(s.bitmaps, 1);
    QImage picture(kWindow, QImage::Format_RGB32);
    const SkinButton& b = s.layout.buttons.records.front();
    const QPoint inside = ResolveElement(b.x, b.y, b.width, b.height, kWindow).center();
    for (auto _ : state) {
        QPainter painter(&picture);
        SkinCanvas canvas{painter, art, kWindow};
        DrawSkinElements(canvas, s.layout, inside, false, {});
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_ButtonPress)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
