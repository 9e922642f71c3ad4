// Every PNG colour type and depth, interlaced or not, decodes to the samples written; damaged and
// oversized files fail cleanly.

#include "SampleImages.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

using namespace samples;

namespace {

struct PngCase {
    const char* name;
    PngOptions options;
};

void PrintTo(const PngCase& c, std::ostream* os)
{
    *os << c.name;
}

class PngVariant : public ::testing::TestWithParam<PngCase> {};

TEST_P(PngVariant, DeliversTheWrittenColours)
{
    QImage expected;
    const QByteArray file = png(23, 19, GetParam().options, &expected);
    const QImage ours = decode(file);
    ASSERT_FALSE(ours.isNull());
    EXPECT_TRUE(opaque(ours));
    EXPECT_EQ(maxDifference(ours, expected), 0);
    // Qt rounds 16-bit samples its own way.
    EXPECT_LE(maxDifference(ours, decodeWithQt(file)), GetParam().options.bitDepth == 16 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Png, PngVariant,
    ::testing::Values(PngCase{"grey1", {PNG_COLOR_TYPE_GRAY, 1, false, false}},
                      PngCase{"grey2", {PNG_COLOR_TYPE_GRAY, 2, false, false}},
                      PngCase{"grey4", {PNG_COLOR_TYPE_GRAY, 4, false, false}},
                      PngCase{"grey8", {PNG_COLOR_TYPE_GRAY, 8, false, false}},
                      PngCase{"grey16", {PNG_COLOR_TYPE_GRAY, 16, false, false}},
                      PngCase{"greyTransparent", {PNG_COLOR_TYPE_GRAY, 8, false, true}},
                      PngCase{"greyAlpha8", {PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, false}},
                      PngCase{"greyAlpha16", {PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, false}},
                      PngCase{"rgb8", {PNG_COLOR_TYPE_RGB, 8, false, false}},
                      PngCase{"rgb16", {PNG_COLOR_TYPE_RGB, 16, false, false}},
                      PngCase{"rgbTransparent", {PNG_COLOR_TYPE_RGB, 8, false, true}},
                      PngCase{"rgba8", {PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false}},
                      PngCase{"rgba16", {PNG_COLOR_TYPE_RGB_ALPHA, 16, false, false}},
                      PngCase{"palette1", {PNG_COLOR_TYPE_PALETTE, 1, false, false}},
                      PngCase{"palette4", {PNG_COLOR_TYPE_PALETTE, 4, false, false}},
                      PngCase{"palette8", {PNG_COLOR_TYPE_PALETTE, 8, false, false}},
                      PngCase{"paletteTransparent", {PNG_COLOR_TYPE_PALETTE, 8, false, true}},
                      PngCase{"interlacedRgb", {PNG_COLOR_TYPE_RGB, 8, true, false}},
                      PngCase{"interlacedPalette", {PNG_COLOR_TYPE_PALETTE, 2, true, true}},
                      PngCase{"interlacedRgba16", {PNG_COLOR_TYPE_RGB_ALPHA, 16, true, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PngDecoder, CutShortKeepsTheDecodedRowsOrFails)
{
    for (bool interlaced : {false, true}) {
        QImage expected;
        const QByteArray file = png(300, 200, {PNG_COLOR_TYPE_RGB, 8, interlaced, false}, &expected);
        for (qsizetype keep : {qsizetype(8), qsizetype(40), file.size() / 2, file.size() - 13}) {
            const QImage image = decode(file.left(keep));
            if (image.isNull())
                continue;
            EXPECT_EQ(image.size(), QSize(300, 200));
            EXPECT_TRUE(opaque(image));
            if (!interlaced) { // the first row arrived intact
                EXPECT_EQ(maxDifference(image.copy(0, 0, 300, 1), expected.copy(0, 0, 300, 1)), 0) << keep;
            }
        }
        EXPECT_FALSE(decode(file.left(file.size() - 13)).isNull()) << "only the end is missing";
    }
}

TEST(PngDecoder, HeaderDeclaringSixtyThousandSquaredFails)
{
    QByteArray file = png(8, 8, {PNG_COLOR_TYPE_RGB, 8, false, false});
    // IHDR width and height are at bytes 16..23; its CRC follows and is mended.
    const std::uint32_t size = 60000;
    for (int i = 0; i < 4; ++i) {
        file[16 + i] = char((size >> (24 - 8 * i)) & 255);
        file[20 + i] = char((size >> (24 - 8 * i)) & 255);
    }
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(file.constData() + 12), 17);
    for (int i = 0; i < 4; ++i)
        file[29 + i] = char((crc >> (24 - 8 * i)) & 255);
    EXPECT_TRUE(decode(file).isNull());
}

} // namespace
