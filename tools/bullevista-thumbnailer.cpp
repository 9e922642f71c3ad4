// SPDX-License-Identifier: GPL-3.0-or-later
// bullevista-thumbnailer -s SIZE INPUT OUTPUT: the cover of a comic book (cbz, cbr, cb7, cbt, bdz) as
// a PNG of at most SIZE x SIZE, for the file manager (the desktop runs it through its .thumbnailer
// entry; INPUT may be a file:// URI). Only the first page is written, into a private temporary folder,
// under the archive rules the viewer opens books with. It gives up after 2 seconds.
// Exit status 0 written, 1 no cover (refused, damaged, no page, too slow), 2 wrong use.

#include "book/FirstPage.h"
#include "image/DecodePage.h"

#include <QCoreApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QUrl>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

constexpr auto kTimeLimit = std::chrono::milliseconds(2000);
constexpr int kLargestSize = 1024;

// A local path from a path or a file:// URI; empty for any other URI.
QString localPath(const QString& arg)
{
    if (arg.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(arg);
        return url.isLocalFile() ? url.toLocalFile() : QString();
    }
    return arg;
}

bool writePng(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "png");
    return writer.write(image) && file.commit();
}

struct Job {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool written = false;
    std::atomic<bool> cancelled{false};
};

void makeCover(Job& job, QString input, QString output, int size, QString folder)
{
    Messages messages;
    bool written = false;
    if (const std::optional<QString> page = WriteFirstPage(input, folder, job.cancelled, messages)) {
        PageImage cover;
        if (!job.cancelled && DecodePage(cover, *page, false, DecodeOptions{}, QSize(size, size)))
            written = !job.cancelled && writePng(cover.pixels, output);
    }
    const std::lock_guard lock(job.mutex);
    job.finished = true;
    job.written = written;
    job.done.notify_one();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    bool sizeOk = false;
    const int size = args.size() == 4 && args[0] == QLatin1String("-s") ? args[1].toInt(&sizeOk) : 0;
    if (!sizeOk || size <= 0) {
        std::fprintf(stderr, "usage: bullevista-thumbnailer -s SIZE INPUT OUTPUT\n");
        return 2;
    }
    const QString input = localPath(args[2]);
    const QString output = localPath(args[3]);
    QTemporaryDir folder;
    if (input.isEmpty() || output.isEmpty() || !folder.isValid()) {
        std::fprintf(stderr, "bullevista-thumbnailer: no cover for %s\n", qPrintable(args[2]));
        return 1;
    }
    Job job;
    std::thread worker(makeCover, std::ref(job), input, output, std::min(size, kLargestSize), folder.path() + '/');
    std::unique_lock lock(job.mutex);
    if (!job.done.wait_for(lock, kTimeLimit, [&] { return job.finished; })) {
        // Too slow: the writing stops at its next step, and a decoding still running is left to the
        // end of the process.
        job.cancelled = true;
        lock.unlock();
        std::fprintf(stderr, "bullevista-thumbnailer: gave up on %s after 2 s\n", qPrintable(input));
        worker.detach();
        folder.remove();
        std::_Exit(1);
    }
    const bool written = job.written;
    lock.unlock();
    worker.join();
    if (!written) {
        std::fprintf(stderr, "bullevista-thumbnailer: no cover for %s\n", qPrintable(input));
        return 1;
    }
    return 0;
}
