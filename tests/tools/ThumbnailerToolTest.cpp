// SPDX-License-Identifier: GPL-3.0-or-later
// bullevista-thumbnailer: the cover of a built cbz as the desktop asks for it, and clean refusals of
// hostile or unusable input.

#include "ZipTestWriter.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

int run(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(BV_BINARY_DIR "/bullevista-thumbnailer"), args);
    if (!p.waitForFinished(20000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QByteArray jpegPage(QRgb colour, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

TEST(ThumbnailerTool, WritesTheFirstPageInReadingOrderAsPng)
{
    ScratchDir dir;
    // Pages sort byte-wise, so page10 comes before page2 whatever the archive's order.
    const QString book = dir.write("book.cbz", WriteZip({{"page2.jpg", jpegPage(qRgb(0, 0, 255), 300, 200)},
                                                         {"page10.jpg", jpegPage(qRgb(255, 0, 0), 300, 200)}}));
    const QString out = dir.file("cover.png");
    ASSERT_EQ(run({"-s", "128", QUrl::fromLocalFile(book).toString(), out}), 0);
    const QImage cover(out, "PNG");
    ASSERT_EQ(cover.size(), QSize(128, 85));
    EXPECT_GT(qRed(cover.pixel(64, 40)), 200);
    EXPECT_LT(qBlue(cover.pixel(64, 40)), 50);
}

TEST(ThumbnailerTool, RefusesHostileAndUnusableInput)
{
    ScratchDir dir;
    // Every entry claims the first one's local record: stored once, counted 200 times, refused.
    std::vector<ZipTestEntry> bomb{{"kernel.jpg", QByteArray(4 << 20, '\0')}};
    for (int i = 0; i < 200; ++i)
        bomb.push_back({.name = "k" + QByteArray::number(i) + ".jpg", .sharesLocalOf = 0});
    const QString bombBook = dir.write("bomb.cbz", WriteZip(bomb));
    const QString out = dir.file("out.png");
    EXPECT_EQ(run({"-s", "128", bombBook, out}), 1);
    EXPECT_EQ(run({"-s", "128", dir.write("noise.cbr", QByteArray(4096, '\x5a')), out}), 1);
    EXPECT_EQ(run({"-s", "128", dir.write("nopage.cbz", WriteZip({{"readme.txt", "hello"}})), out}), 1);
    EXPECT_EQ(run({"-s", "128", dir.file("missing.cbz"), out}), 1);
    EXPECT_EQ(run({"-s", "128", "http://example.org/book.cbz", out}), 1);
    EXPECT_EQ(run({"-s", "zero", bombBook, out}), 2);
    EXPECT_EQ(run({bombBook, out}), 2);
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
