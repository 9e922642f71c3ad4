// DecodePage and DecodePlainImage: the record they fill, the turn, the corrections, and the reuse of
// the record's memory.

#include "SampleImages.h"
#include "support/TestSupport.h"

#include "book/ColourCorrection.h"
#include "book/DecodePage.h"

#include <gtest/gtest.h>

using namespace samples;

namespace {

// A page whose bytes span 40..200, so normalisation shows.
QImage narrowPage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(40 + (x * 160) / (width - 1), 120, 200 - (y * 160) / (height - 1)));
    return image;
}

TEST(DecodePage, PlainDecodeIsExactlyTheLayersPixels)
{
    ScratchDir dir;
    const QImage source = narrowPage(30, 20);
    const QString path = dir.write("p.bmp", bmp(source, {}));
    PageImage record;
    ASSERT_TRUE(DecodePlainImage(record, path));
    EXPECT_EQ(record.pixels.format(), QImage::Format_RGB32);
    EXPECT_EQ(maxDifference(record.pixels, source), 0);
    ASSERT_TRUE(DecodePage(record, path, false, {false, 0}));
    EXPECT_EQ(maxDifference(record.pixels, source), 0) << "norm off and contrast 0 change nothing";
}

TEST(DecodePage, FlippedPageStartsWithTheLastRowMirrored)
{
    ScratchDir dir;
    const QImage source = pattern(7, 4);
    PageImage record;
    ASSERT_TRUE(DecodePage(record, dir.write("p.png", bmp(source, {})), true, {false, 0}));
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(record.pixels.pixel(x, 0), source.pixel(6 - x, 3));
    EXPECT_EQ(maxDifference(record.pixels, source.mirrored(true, true)), 0);
}

TEST(DecodePage, NormalisationAndContrastApply)
{
    ScratchDir dir;
    const QString path = dir.write("p.bmp", bmp(narrowPage(161, 3), {}));
    PageImage record;
    ASSERT_TRUE(DecodePage(record, path, false, {true, 0}));
    EXPECT_EQ(record.pixels.pixel(0, 0), qRgb(0, 127, 255));
    EXPECT_EQ(record.pixels.pixel(160, 2), qRgb(255, 127, 0));
    ASSERT_TRUE(DecodePage(record, path, false, {true, -127}));
    EXPECT_EQ(record.pixels.pixel(0, 0), qRgb(128, 128, 128));
}

TEST(DecodePage, FailureLeavesTheRecordEmpty)
{
    ScratchDir dir;
    PageImage record;
    ASSERT_TRUE(DecodePage(record, dir.write("p.gif", gif(10, 10, {})), false, {}));
    EXPECT_FALSE(DecodePage(record, dir.write("bad.gif", "GIF89a but nothing"), false, {}));
    EXPECT_TRUE(record.isNull());
    EXPECT_EQ(record.memory, nullptr);
    EXPECT_FALSE(DecodePlainImage(record, dir.file("missing.bmp")));
    EXPECT_TRUE(record.isNull());
}

TEST(DecodePage, ReusesTheRecordsMemoryUnlessACopyStillShowsIt)
{
    ScratchDir dir;
    const QString big = dir.write("big.bmp", bmp(pattern(300, 200), {}));
    const QString other = dir.write("other.bmp", bmp(narrowPage(300, 200), {}));
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

TEST(DecodePage, GreyAndPaletteFilesArriveAs32BitPixels)
{
    ScratchDir dir;
    const std::vector<QRgb> palette = paletteOf(16);
    const QImage source = palettePattern(9, 9, palette);
    PageImage record;
    ASSERT_TRUE(DecodePage(record, dir.write("p.bmp", bmp(source, {40, 4}, palette)), false, {false, 0}));
    EXPECT_EQ(maxDifference(record.pixels, source), 0);
    ASSERT_TRUE(DecodePage(record, dir.write("g.jpg", jpeg(pattern(9, 9), {2, 90, false, true, false})), false, {false, 0}));
    EXPECT_EQ(record.pixels.format(), QImage::Format_RGB32);
    EXPECT_EQ(qRed(record.pixels.pixel(4, 4)), qGreen(record.pixels.pixel(4, 4)));
}

} // namespace

namespace {

// Normalisation with the range the decoders find on the way gives what a separate pass over the
// finished picture gives, for every decoder and for damaged files too.
TEST(DecodePage, RangeFoundWhileDecodingMatchesTheFinishedPicture)
{
    ScratchDir dir;
    const QImage narrow = narrowPage(40, 30);
    const std::vector<QRgb> palette = paletteOf(16);
    const QByteArray files[] = {
        bmp(narrow, {}),
        bmp(narrow, {40, 24, 0, true}),
        bmp(narrow, {}).left(1500),
        bmp(palettePattern(40, 30, palette), {40, 4, 2}, palette),
        png(40, 30, {2, 8, false, false}),
        [] { QByteArray f = png(300, 200, {3, 4, false, true}); return f.left(f.size() / 2); }(),
        png(40, 30, {0, 16, true, false}),
        gif(40, 30, {}),
        gif(40, 30, {}).left(200),
        gif(20, 10, {40, 30, 3, 4, false, true, true}),
        jpeg(narrow),
    };
    int n = 0;
    for (const QByteArray& file : files) {
        const QString path = dir.write(QString::number(n++), file);
        PageImage plain, page;
        ASSERT_TRUE(DecodePage(plain, path, false, {false, 0})) << n;
        ASSERT_TRUE(DecodePage(page, path, false, {true, 0})) << n;
        QImage expected = plain.pixels.copy();
        CorrectPageColours(reinterpret_cast<std::uint32_t*>(expected.bits()),
                           std::size_t(expected.width()) * std::size_t(expected.height()), true, 0);
        EXPECT_EQ(page.pixels, expected) << n;
    }
}

} // namespace
