// SPDX-License-Identifier: GPL-3.0-or-later
// DecodePage and DecodePlainImage: the record they fill, the turn, the corrections, and the reuse of
// the record's memory. That a range found while decoding is the finished picture's, samples::decode
// checks for every file the decoder tests read.

#include "SampleImages.h"
#include "support/TestSupport.h"

#include "image/DecodePage.h"

#include <gtest/gtest.h>
#include <webp/encode.h>

using namespace samples;

namespace {

TEST(DecodePage, TurnsAndCorrectsAsAsked)
{
    ScratchDir dir;
    QImage source(2, 2, QImage::Format_RGB32); // bytes of 40..200, so normalisation shows
    source.fill(qRgb(120, 120, 120));
    source.setPixel(0, 0, qRgb(40, 120, 200));
    source.setPixel(1, 1, qRgb(200, 120, 40));
    const QString path = dir.write("p.bmp", bmp(source));
    PageImage record;
    ASSERT_TRUE(DecodePlainImage(record, path));
    EXPECT_EQ(maxDifference(record.pixels, source), 0);
    const struct {
        const char* name;
        bool flipped;
        DecodeOptions options;
        QRgb topLeft, bottomRight;
    } cases[] = {
        {"as stored", false, {false, 0}, qRgb(40, 120, 200), qRgb(200, 120, 40)},
        {"turned: the last row mirrored comes first", true, {false, 0}, qRgb(200, 120, 40), qRgb(40, 120, 200)},
        {"normalised", false, {true, 0}, qRgb(0, 127, 255), qRgb(255, 127, 0)},
        {"turned and normalised", true, {true, 0}, qRgb(255, 127, 0), qRgb(0, 127, 255)},
        {"normalised, then flat contrast", false, {true, -127}, qRgb(128, 128, 128), qRgb(128, 128, 128)},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(DecodePage(record, path, c.flipped, c.options)) << c.name;
        EXPECT_EQ(record.pixels.pixel(0, 0), c.topLeft) << c.name;
        EXPECT_EQ(record.pixels.pixel(1, 1), c.bottomRight) << c.name;
    }
    // A failure leaves the record empty.
    EXPECT_FALSE(DecodePage(record, dir.write("bad.gif", "GIF89a but nothing"), false, {}));
    EXPECT_TRUE(record.isNull());
    EXPECT_EQ(record.memory, nullptr);
}

TEST(DecodePage, ReusesTheRecordsMemoryUnlessACopyStillShowsIt)
{
    ScratchDir dir;
    const QString big = dir.write("big.bmp", bmp(pattern(300, 200)));
    const QString other = dir.write("other.bmp", bmp(pattern(300, 200).mirrored()));
    PageImage record;
    ASSERT_TRUE(DecodePage(record, big, false, {false, 0}));
    const std::uint8_t* first = record.memory->data();
    ASSERT_TRUE(DecodePage(record, other, false, {false, 0}));
    EXPECT_EQ(record.memory->data(), first) << "same size: the memory is decoded into again";

    // A copy of the page held elsewhere (say, by the view) keeps its pixels.
    const QImage shown = record.pixels;
    const QImage expected = shown.copy();
    ASSERT_TRUE(DecodePage(record, big, false, {false, 0}));
    EXPECT_NE(record.memory->data(), first);
    EXPECT_EQ(maxDifference(shown, expected), 0);
    EXPECT_EQ(maxDifference(record.pixels, pattern(300, 200)), 0);
}

// A smooth page whose bytes span 40..200, with both ends in wide bands, so the corrections have work
// to do and a reduced copy keeps the same range.
QImage smoothPage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int band = x < width / 5 ? 40 : x >= width * 4 / 5 ? 200 : 40 + 160 * x / width;
            image.setPixel(x, y, qRgb(band, 40 + 160 * y / height, 80 + 80 * (x + y) / (width + height)));
        }
    return image;
}

QByteArray losslessWebp(const QImage& image)
{
    const QImage px = image.convertToFormat(QImage::Format_RGBA8888);
    std::uint8_t* out = nullptr;
    const std::size_t size =
        WebPEncodeLosslessRGBA(px.constBits(), px.width(), px.height(), int(px.bytesPerLine()), &out);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    WebPFree(out);
    return bytes;
}

TEST(DecodePage, AReducedPageLooksLikeTheFullPageReduced)
{
    ScratchDir dir;
    const QImage page = smoothPage(800, 600);
    const struct {
        const char* name;
        QByteArray file;
        int tolerance;
    } formats[] = {
        {"p.jpg", jpeg(page), 10}, // DCT scaling, then a last reduction
        {"p.webp", losslessWebp(page), 6},
        {"p.bmp", bmp(page), 0}, // decoded whole, then reduced
    };
    for (const auto& f : formats) {
        const QString path = dir.write(f.name, f.file);
        for (const DecodeOptions options : {DecodeOptions{false, 0}, DecodeOptions{true, 40}}) {
            PageImage full, reduced;
            ASSERT_TRUE(DecodePage(full, path, true, options)) << f.name;
            ASSERT_TRUE(DecodePage(reduced, path, true, options, QSize(200, 200))) << f.name;
            ASSERT_EQ(reduced.pixels.size(), QSize(200, 150)) << f.name;
            EXPECT_TRUE(reduced.reduced && !full.reduced) << f.name;
            const QImage expected = full.pixels.scaled(200, 150, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_LE(maxDifference(reduced.pixels, expected), f.tolerance) << f.name << " norm " << options.norm;
        }
    }
    // A page smaller than the box is never enlarged; a tall page fits by its height.
    PageImage record;
    ASSERT_TRUE(DecodePage(record, dir.write("small.jpg", jpeg(smoothPage(120, 90))), false, {}, QSize(200, 200)));
    EXPECT_EQ(record.pixels.size(), QSize(120, 90));
    EXPECT_FALSE(record.reduced) << "the whole page";
    ASSERT_TRUE(DecodePage(record, dir.write("tall.jpg", jpeg(smoothPage(300, 1000))), false, {}, QSize(200, 200)));
    EXPECT_EQ(record.pixels.size(), QSize(60, 200));
}

} // namespace
