// BMP: every header generation, depth and compression the readers out there open, written byte by
// byte; broken sizes fail.

#include "SampleImages.h"

#include <gtest/gtest.h>

using namespace samples;

namespace {

struct BmpCase {
    const char* name;
    BmpOptions options;
    int colours; // palette size; 0 for direct colour
    int tolerance; // 16-bit colours keep 5 or 6 bits
    bool qtReads = true; // Qt misreads bit fields wider than 8 bits
    bool bitCount16() const { return options.bitCount == 16; }
};

void PrintTo(const BmpCase& c, std::ostream* os)
{
    *os << c.name;
}

class BmpVariant : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpVariant, DeliversTheWrittenPixels)
{
    const BmpCase& c = GetParam();
    const std::vector<QRgb> palette = paletteOf(c.colours);
    const QImage source = c.colours ? palettePattern(31, 13, palette) : pattern(31, 13);
    const QByteArray file = bmp(source, c.options, palette);
    const QImage ours = decode(file);
    ASSERT_FALSE(ours.isNull());
    EXPECT_TRUE(opaque(ours));
    EXPECT_LE(maxDifference(ours, source), c.tolerance);
    // Where Qt reads the variant too, it agrees, but for 5- and 6-bit fields, which Qt widens by a
    // shift (31 becomes 248) and we by scaling (31 becomes 255).
    const QImage qt = decodeWithQt(file);
    if (!qt.isNull() && c.qtReads) {
        EXPECT_LE(maxDifference(ours, qt), c.bitCount16() ? 7 : 0);
    }
}

constexpr BmpOptions options(int header, int bits, int compression = 0, bool topDown = false, std::uint32_t r = 0,
                       std::uint32_t g = 0, std::uint32_t b = 0)
{
    return BmpOptions{header, bits, compression, topDown, {r, g, b}};
}

INSTANTIATE_TEST_SUITE_P(
    Bmp, BmpVariant,
    ::testing::Values(BmpCase{"mono", options(40, 1), 2, 0}, BmpCase{"palette2", options(40, 2), 4, 0},
                      BmpCase{"palette4", options(40, 4), 16, 0}, BmpCase{"palette4Short", options(40, 4), 11, 0},
                      BmpCase{"palette8", options(40, 8), 256, 0}, BmpCase{"rle8", options(40, 8, 1), 200, 0},
                      BmpCase{"rle4", options(40, 4, 2), 16, 0}, BmpCase{"rgb555", options(40, 16), 0, 8},
                      BmpCase{"rgb565", options(40, 16, 3, false, 0xf800, 0x07e0, 0x001f), 0, 4},
                      BmpCase{"rgb24", options(40, 24), 0, 0}, BmpCase{"rgb32", options(40, 32), 0, 0},
                      BmpCase{"bitFields32", options(40, 32, 3, false, 0x000000ff, 0x0000ff00, 0x00ff0000), 0, 0},
                      BmpCase{"bitFields10bit", options(40, 32, 3, false, 0x3ff00000, 0x000ffc00, 0x000003ff), 0, 1, false},
                      BmpCase{"topDown24", options(40, 24, 0, true), 0, 0},
                      BmpCase{"topDown8", options(40, 8, 0, true), 256, 0},
                      BmpCase{"v4rgb565", options(108, 16, 3, false, 0xf800, 0x07e0, 0x001f), 0, 4},
                      BmpCase{"v5rgb32", options(124, 32, 3, true, 0x00ff0000, 0x0000ff00, 0x000000ff), 0, 0},
                      BmpCase{"os2core24", options(12, 24), 0, 0}, BmpCase{"os2core8", options(12, 8), 256, 0}),
    [](const auto& info) { return std::string(info.param.name); });

QByteArray with32(QByteArray file, int at, std::int32_t value)
{
    for (int i = 0; i < 4; ++i)
        file[at + i] = char((std::uint32_t(value) >> (8 * i)) & 255);
    return file;
}

TEST(BmpDecoder, BrokenSizesFail)
{
    const QByteArray good = bmp(pattern(8, 8), options(40, 24));
    ASSERT_FALSE(decode(good).isNull());
    const struct {
        const char* name;
        QByteArray file;
    } cases[] = {
        {"negative width", with32(good, 18, -8)},
        {"zero height", with32(good, 22, 0)},
        {"absurd width", with32(good, 18, 0x7fffffff)},
        {"absurd size", with32(with32(good, 18, 200000), 22, 200000)},
        {"most negative height", with32(good, 22, std::int32_t(0x80000000u))},
        {"bits per pixel 7", [&] { QByteArray f = good; f[28] = 7; return f; }()},
        {"unknown header size", with32(good, 14, 33)},
        {"header longer than the file", with32(good, 14, 4000)},
        {"signature only", QByteArray("BM")},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(decode(c.file).isNull()) << c.name;
}

TEST(BmpDecoder, PixelOffsetOutsideTheFileReadsRightAfterThePalette)
{
    const QImage source = pattern(9, 5);
    const QImage image = decode(with32(bmp(source, options(40, 24)), 10, 0x7ffffff0));
    EXPECT_EQ(maxDifference(image, source), 0);
}

TEST(BmpDecoder, CutShortKeepsTheRowsThatArrived)
{
    const QImage source = pattern(40, 30);
    for (const BmpOptions& s : {options(40, 24), options(40, 24, 0, true), options(40, 8, 1)}) {
        const std::vector<QRgb> palette = paletteOf(200);
        const QImage picture = s.bitCount == 8 ? palettePattern(40, 30, palette) : source;
        const QByteArray file = bmp(picture, s, palette);
        for (qsizetype keep = 0; keep < file.size(); keep += 97) {
            const QImage image = decode(file.left(keep));
            if (!image.isNull()) {
                EXPECT_EQ(image.size(), QSize(40, 30));
                EXPECT_TRUE(opaque(image));
            }
        }
        // Half the rows of a bottom-up file are its lower half.
        const QImage half = decode(file.left(file.size() / 2 + 30));
        ASSERT_FALSE(half.isNull());
        const int row = s.topDown ? 0 : 29;
        EXPECT_EQ(maxDifference(half.copy(0, row, 40, 1), picture.copy(0, row, 40, 1)), 0);
    }
}

TEST(BmpDecoder, RleDeltaSkipsPixelsWhichStayBlack)
{
    // 4 x 2, 8-bit RLE, rows bottom-up: two pixels of colour 1, a delta of (1, 1), one pixel of
    // colour 2, end of bitmap.
    const std::vector<QRgb> palette = paletteOf(4);
    QByteArray file = bmp(palettePattern(4, 2, palette), options(40, 8, 1), palette);
    file.truncate(14 + 40 + 4 * 4);
    file.append(QByteArray::fromHex("0201"
                                    "00020101"
                                    "0102"
                                    "0001"));
    const QImage image = decode(file);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 1), palette[1]);
    EXPECT_EQ(image.pixel(1, 1), palette[1]);
    EXPECT_EQ(image.pixel(2, 1), 0xff000000u);
    EXPECT_EQ(image.pixel(0, 0), 0xff000000u);
    EXPECT_EQ(image.pixel(3, 0), palette[2]);
}

} // namespace
