// SPDX-License-Identifier: GPL-3.0-or-later
// Times extracting a 120-page book into a work folder against `bsdtar -xf` of the same archive into the
// same file system: a stored cbz, a deflated cbz, a stored rar (RAR 5), a solid LZMA2 cb7 and a cbt.
// Best of five runs each, as a shared machine makes single runs noisy.
//
// The books are the shared test data when $PERFDATA (default /tmp/perfdata) holds comic_stored.cbz,
// comic_deflate.cbz and pages/p001.jpg.. (the cbr, cb7 and cbt are then made of those pages); otherwise
// they are drawn.
//
//   bench-extract SCRATCH_DIR [CASE]   (CASE: a part of an archive's name below, to run only that one)
//   bench-extract --extract ARCHIVE DIR  (one extraction of any zip- or rar-family book, for strace/perf)

#include "../../tests/archive/RarTestWriter.h"
#include "../../tests/archive/SevenZipTestWriter.h"
#include "book/RarBook.h"
#include "book/SevenZipTarBook.h"
#include "book/ZipBook.h"
#include "book/archive/BookChooser.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <minizip/zip.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {
constexpr int kPages = 120;
constexpr int kDistinctPages = 12; // drawing is slow; the archive repeats them
constexpr int kWidth = 2480;
constexpr int kHeight = 3508;

// A scanned-looking page: panels of gradients and grain, which JPEG can't squeeze much.
QByteArray drawPage(int index)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QRandomGenerator random(quint32(index + 1));
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    for (int panel = 0; panel < 6; ++panel) {
        const QRect r(60 + (panel % 2) * 1200, 60 + (panel / 2) * 1140, 1160, 1100);
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, QColor::fromHsv(int(random.bounded(360)), 120, 230));
        g.setColorAt(1, QColor::fromHsv(int(random.bounded(360)), 200, 90));
        painter.fillRect(r, g);
    }
    painter.end();
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const int grain = int(random.bounded(26)) - 13;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain, 255));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 75);
    return bytes;
}

QString pageName(int i)
{
    return QStringLiteral("page%1.jpg").arg(i + 1, 3, 10, QLatin1Char('0'));
}

bool writeZip(const QString& path, const std::vector<QByteArray>& pages, int method)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    for (int i = 0; i < kPages; ++i) {
        const QByteArray& data = pages[std::size_t(i % kDistinctPages)];
        zip_fileinfo info{};
        zipOpenNewFileInZip(zip, pageName(i).toUtf8().constData(), &info, nullptr, 0, nullptr, 0, nullptr, method,
                            method ? Z_DEFAULT_COMPRESSION : 0);
        zipWriteInFileInZip(zip, data.constData(), unsigned(data.size()));
        zipCloseFileInZip(zip);
    }
    return zipClose(zip, nullptr) == ZIP_OK;
}

bool writeRar(const QString& path, const std::vector<QByteArray>& pages)
{
    std::vector<RarTestEntry> entries;
    for (int i = 0; i < kPages; ++i)
        entries.push_back({pageName(i).toUtf8(), pages[std::size_t(i) % pages.size()]});
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(WriteRarArchive(RarFormat::Rar5, entries)) > 0;
}

// A solid 7z of LZMA2 (as 7-Zip writes them by default) or a plain tar.
bool writeSevenZipOrTar(const QString& path, const std::vector<QByteArray>& pages, bool sevenZip)
{
    ArchiveEntries entries;
    for (int i = 0; i < kPages; ++i)
        entries.emplace_back(pageName(i).toUtf8(), pages[std::size_t(i) % pages.size()]);
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
        && file.write(WriteArchiveWithLibarchive(sevenZip, entries, "lzma2")) > 0;
}

void freshDir(const QString& dir)
{
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
}

double bsdtarMs(const QString& archive, const QString& dir)
{
    freshDir(dir);
    const QByteArray a = QFile::encodeName(archive), d = QFile::encodeName(dir);
    char* argv[] = {const_cast<char*>("bsdtar"), const_cast<char*>("-xf"),         const_cast<char*>(a.constData()),
                    const_cast<char*>("-C"),     const_cast<char*>(d.constData()), nullptr};
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "bsdtar", nullptr, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return timer.nsecsElapsed() / 1e6;
}

// The whole archive is the book: no chooser is passed.
using Extract = bool (*)(const QString&, const QString&, const BookChooser&, Messages&);

double ownMs(Extract extract, const QString& archive, const QString& dir)
{
    freshDir(dir);
    QElapsedTimer timer;
    timer.start();
    Messages messages;
    if (!extract(archive, dir + u'/', {}, messages))
        return -1;
    return timer.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench-extract SCRATCH_DIR\n");
        return 2;
    }
    if (argc == 4 && QByteArray(argv[1]) == "--extract") {
        const QString archive = QString::fromLocal8Bit(argv[2]);
        const QString out = QDir(QString::fromLocal8Bit(argv[3])).absolutePath() + u'/';
        QDir().mkpath(out);
        const bool rarFamily = archive.endsWith(u".rar", Qt::CaseInsensitive)
            || archive.endsWith(u".cbr", Qt::CaseInsensitive);
        QElapsedTimer timer;
        timer.start();
        Messages messages;
        const int result = (rarFamily ? ExtractRarBook : ExtractZipBook)(archive, out, {}, messages) ? 0 : 1;
        std::printf("result %d, %lld files, %.1f ms\n", result, (long long)QDir(out).entryList(QDir::Files).size(),
                    timer.nsecsElapsed() / 1e6);
        return result;
    }
    const QString dir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(dir);
    QString stored = dir + "/book-stored.cbz", deflated = dir + "/book-deflated.cbz", rar = dir + "/book-stored.cbr";
    QString sevenZip = dir + "/book-solid.cb7", tar = dir + "/book.cbt";
    const QString perf = qEnvironmentVariable("PERFDATA", QStringLiteral("/tmp/perfdata"));
    std::vector<QByteArray> pages;
    if (QFile::exists(perf + "/comic_stored.cbz") && QFile::exists(perf + "/comic_deflate.cbz")
        && QFile::exists(perf + "/pages/p120.jpg")) {
        stored = perf + "/comic_stored.cbz";
        deflated = perf + "/comic_deflate.cbz";
        rar = dir + "/comic_stored.cbr";
        sevenZip = dir + "/comic_solid.cb7";
        tar = dir + "/comic.cbt";
        if (!QFile::exists(rar) || !QFile::exists(sevenZip) || !QFile::exists(tar)) {
            for (int i = 1; i <= kPages; ++i) {
                QFile page(perf + QStringLiteral("/pages/p%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
                pages.push_back(page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray());
            }
        }
    }
    const QString archives[] = {stored, deflated, rar, sevenZip, tar};
    if (!std::all_of(std::begin(archives), std::end(archives), [](const QString& a) { return QFile::exists(a); })) {
        if (pages.empty()) {
            std::printf("drawing %d pages of %dx%d...\n", kDistinctPages, kWidth, kHeight);
            for (int i = 0; i < kDistinctPages; ++i)
                pages.push_back(drawPage(i));
        }
        const bool written = (QFile::exists(stored) || writeZip(stored, pages, 0))
            && (QFile::exists(deflated) || writeZip(deflated, pages, Z_DEFLATED))
            && (QFile::exists(rar) || writeRar(rar, pages))
            && (QFile::exists(sevenZip) || writeSevenZipOrTar(sevenZip, pages, true))
            && (QFile::exists(tar) || writeSevenZipOrTar(tar, pages, false));
        if (!written) {
            std::fprintf(stderr, "could not write the archives\n");
            return 1;
        }
    }
    struct Case {
        const char* name;
        QString archive;
        Extract extract;
    } cases[] = {{"cbz stored", stored, ExtractZipBook},
                 {"cbz deflated", deflated, ExtractZipBook},
                 {"cbr stored (RAR 5)", rar, ExtractRarBook},
                 {"cb7 solid (LZMA2)", sevenZip, ExtractSevenZipTarBook},
                 {"cbt", tar, ExtractSevenZipTarBook}};
    std::printf("%-20s %9s %11s %11s %7s\n", "archive", "MB", "bsdtar ms", "ours ms", "ratio");
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    for (const Case& c : cases) {
        if (!QString::fromLatin1(c.name).contains(only))
            continue;
        double best[2] = {1e12, 1e12};
        for (int run = 0; run < 5; ++run) {
            best[0] = std::min(best[0], bsdtarMs(c.archive, dir + "/bsdtar"));
            best[1] = std::min(best[1], ownMs(c.extract, c.archive, dir + "/work"));
        }
        std::printf("%-20s %9.1f %11.1f %11.1f %7.2f\n", c.name, QFileInfo(c.archive).size() / 1e6, best[0], best[1],
                    best[1] / best[0]);
    }
    freshDir(dir + "/bsdtar");
    freshDir(dir + "/work");
    return 0;
}
