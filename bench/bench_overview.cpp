// The page overview of a large archive book, opened at once after the book: the time from the start of
// the opening to the first screenful of thumbnails (the first 20 pages: four rows of a 1000-pixel view)
// and to all of them, with the process's CPU time and peak memory. Nothing is cached beforehand.
//
//   ./build/bench/bench_overview BOOK.cbz     (QT_QPA_PLATFORM=offscreen is set when unset)

#include "app/AccelTable.h"
#include "app/AppState.h"
#include "app/CommandTable.h"
#include "app/MainWindow.h"
#include "app/OpenBooks.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"
#include "app/ShutDown.h"
#include "book/ThumbnailWorker.h"
#include "view/PageView.h"
#include "view/ShelfView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Peak resident memory so far, in MB.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

int madeAmong(const ThumbnailWorker& worker, int first)
{
    int made = 0;
    for (int i = 0; i < first && i < int(worker.pageCount()); ++i)
        made += worker.state(i) != ThumbState::Waiting;
    return made;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_overview BOOK\n");
        return 2;
    }
    QTemporaryDir scratch;
    AppState state;
    state.settings = ReadSettings(SettingsReader(), QString());
    state.settings.wndwidth = 1000;
    state.settings.wndheight = 1000;
    state.settings.preloadnextpage = false;
    state.paths.WorkDir = scratch.filePath(QStringLiteral("work/"));
    state.paths.thumbnailRoot = scratch.filePath(QStringLiteral("thumbs/"));
    state.paths.settingsFile = scratch.filePath(QStringLiteral("bullevista.ini"));
    QDir().mkpath(state.paths.WorkDir);
    state.accelTable = BuildAccelTable(state.settings);
    auto window = std::make_unique<MainWindow>(state);
    state.windows = {window.get(), window->pageView(), window->shelfView()};
    window->show();
    wait(50);

    const double cpu0 = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    OpenBookAt(state, QString::fromLocal8Bit(argv[1]));
    const qint64 opened = clock.elapsed();
    ShowPageOverview(state);
    if (!state.overview.worker) {
        std::fprintf(stderr, "the book didn't open\n");
        return 1;
    }
    const ThumbnailWorker& worker = *state.overview.worker;
    const int pages = int(worker.pageCount());
    const int screenful = std::min(20, pages);
    qint64 first = -1;
    while (!worker.finished() && clock.elapsed() < 120000) {
        wait(5);
        if (first < 0 && madeAmong(worker, screenful) == screenful)
            first = clock.elapsed();
    }
    const qint64 all = clock.elapsed();
    std::printf("%d pages: opened %lld ms, first %d thumbnails %lld ms, all %lld ms, CPU %.2f s, peak %.0f MB\n",
                pages, (long long)opened, screenful, (long long)first, (long long)all, cpuSeconds() - cpu0,
                peakMegabytes());
    ShutDown(state);
    return 0;
}
