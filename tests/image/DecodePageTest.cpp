// DecodePage and DecodePlainImage: the record they fill, the turn, the corrections, and the reuse of
// the record's memory. That a range found while decoding is the finished picture's, samples::decode
// checks for every file the decoder tests read.

#include "SampleImages.h"
#include "support/TestSupport.h"

#include "image/DecodePage.h"

#include <gtest/gtest.h>

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

} // namespace
