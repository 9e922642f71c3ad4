// BMP, our own reader: every header generation, depth and compression the readers out there open.
// Its damaged files are swept with the other formats'.

#include "SampleImages.h"

#include <gtest/gtest.h>

using namespace samples;

namespace {

TEST(BmpDecoder, EveryVariantDeliversTheWrittenPixels)
{
    const QImage colour = pattern(31, 13);
    const auto as = [&](QImage::Format format) { return colour.convertToFormat(format); };
    const struct {
        const char* name;
        QImage image;
        BmpOptions options = {};
    } cases[] = {
        {"mono", indexedPattern(31, 13, 2), {.bitCount = 1}},
        {"palette2", indexedPattern(31, 13, 4), {.bitCount = 2}},
        {"palette4", indexedPattern(31, 13, 16), {.bitCount = 4}},
        {"palette4 of 11 colours", indexedPattern(31, 13, 11), {.bitCount = 4}},
        {"palette8", indexedPattern(31, 13, 256)},
        {"rle8", indexedPattern(31, 13, 200), {.compression = 1}},
        {"rle4", indexedPattern(31, 13, 16), {.bitCount = 4, .compression = 2}},
        {"rgb555", as(QImage::Format_RGB555)},
        {"rgb565", as(QImage::Format_RGB16), {.compression = 3, .masks = {0xf800, 0x07e0, 0x001f}}},
        {"rgb24", as(QImage::Format_BGR888)},
        {"rgb32", colour},
        {"bit fields 32", as(QImage::Format_RGBX8888), {.compression = 3, .masks = {0xff, 0xff00, 0xff0000}}},
        {"bit fields 10 bit", as(QImage::Format_RGB30), {.compression = 3, .masks = {0x3ff00000, 0xffc00, 0x3ff}}},
        {"top-down 24", as(QImage::Format_BGR888), {.topDown = true}},
        {"top-down 8", indexedPattern(31, 13, 256), {.topDown = true}},
        {"v3 alpha bit fields", colour, {.headerSize = 56, .compression = 6, .masks = {0xff0000, 0xff00, 0xff}}},
        {"v4 rgb565", as(QImage::Format_RGB16), {.headerSize = 108, .compression = 3, .masks = {0xf800, 0x07e0, 0x001f}}},
        {"v5 rgb32", colour, {.headerSize = 124, .compression = 3, .topDown = true, .masks = {0xff0000, 0xff00, 0xff}}},
        {"os/2 core 24", as(QImage::Format_BGR888), {.headerSize = 12}},
        {"os/2 core 8", indexedPattern(31, 13, 256), {.headerSize = 12}},
        {"os/2 2.x short header", as(QImage::Format_BGR888), {.headerSize = 16}},
        {"os/2 2.x rle4", indexedPattern(31, 13, 16), {.headerSize = 64, .bitCount = 4, .compression = 2}},
    };
    for (const auto& c : cases) {
        const QImage ours = decode(bmp(c.image, c.options));
        ASSERT_FALSE(ours.isNull()) << c.name;
        EXPECT_TRUE(opaque(ours)) << c.name;
        // Fields narrower or wider than 8 bits are scaled to 0..255, where Qt shifts: one step apart.
        const bool scaled = c.image.depth() == 16 || c.image.format() == QImage::Format_RGB30;
        EXPECT_LE(maxDifference(ours, c.image.convertToFormat(QImage::Format_RGB32)), scaled ? 1 : 0) << c.name;
    }
}

TEST(BmpDecoder, PixelOffsetOutsideTheFileReadsRightAfterThePalette)
{
    const QImage source = pattern(9, 5);
    EXPECT_EQ(maxDifference(decode(with32(bmp(source), 10, 0x7ffffff0)), source), 0);
}

TEST(BmpDecoder, RleDeltaAndCutRunsLeaveTheSkippedPixelsBlack)
{
    // 4 x 2 pictures of colours 0..3 with their rows bottom-up, as the indices each row shows.
    const struct {
        const char* name;
        int bitCount;
        const char* data;
        const char* bottom;
        const char* top;
    } cases[] = {
        {"rle8 run, delta, end", 8, "0201 00020101 0102 0001", "11..", "...2"},
        {"rle8 literal of 3, padded", 8, "0003 030201 00 0000 0203", "321.", "33.."},
        {"rle4 literal of 3, padded", 4, "0003 3210 0000 0312", "321.", "121."},
        {"rle8 literal cut short", 8, "0004 0302", "32..", "...."},
        {"rle8 delta cut short", 8, "0101 0002 01", "1...", "...."},
    };
    for (const auto& c : cases) {
        QImage image = indexedPattern(4, 2, 4);
        const QByteArray header = bmp(image, {.bitCount = c.bitCount, .compression = c.bitCount == 8 ? 1 : 2});
        const QImage ours = decode(header.left(14 + 40 + 4 * 4) + QByteArray::fromHex(c.data));
        ASSERT_FALSE(ours.isNull()) << c.name;
        for (int x = 0; x < 4; ++x) {
            for (const auto& [y, row] : {std::pair{1, c.bottom}, std::pair{0, c.top}}) {
                const QRgb expected = row[x] == '.' ? qRgb(0, 0, 0) : image.color(row[x] - '0');
                EXPECT_EQ(ours.pixel(x, y), expected) << c.name << " x " << x << " y " << y;
            }
        }
    }
}

} // namespace
