// JPEG, PNG and GIF through their libraries: every variant decodes to what Qt's reader (or the GIF
// writer) shows. Files of every format cut short, or declaring impossible sizes, fail or show cleanly.

#include "SampleImages.h"

#include <gtest/gtest.h>
#include <png.h>
#include <turbojpeg.h>
#include <zlib.h>

#include <QtEndian>

using namespace samples;

namespace {

TEST(ImageDecoders, EveryVariantShowsItsPicture)
{
    const QImage source = pattern(37, 21); // not a multiple of the JPEG block size
    const QImage frame = indexedPattern(29, 17, 16);
    QImage plain, interlaced, localMap, inScreen, interlacedInScreen, pastScreen;
    struct Case {
        const char* name;
        QByteArray file;
        QImage expected = {}; // null: what Qt's reader makes of the file
        int tolerance = 0;
    } const cases[] = {
        {"jpeg 4:2:0", jpeg(source), {}, 2},
        {"jpeg 4:4:4", jpeg(source, TJSAMP_444), {}, 2},
        {"jpeg progressive", jpeg(source, TJSAMP_420, TJFLAG_PROGRESSIVE), {}, 2},
        {"jpeg grey", jpeg(source, TJSAMP_GRAY), {}, 2},
        // Compared with the original, so inverted inks can't be read the wrong way round.
        {"jpeg cmyk", jpeg(source, TJSAMP_444, 0, true), source, 40},
        {"png grey1", png(23, 19, {PNG_COLOR_TYPE_GRAY, 1})},
        {"png grey4", png(23, 19, {PNG_COLOR_TYPE_GRAY, 4})},
        {"png grey16", png(23, 19, {PNG_COLOR_TYPE_GRAY, 16}), {}, 1}, // Qt rounds 16-bit samples its own way
        {"png grey transparent", png(23, 19, {PNG_COLOR_TYPE_GRAY, 8, false, true})},
        {"png grey alpha", png(23, 19, {PNG_COLOR_TYPE_GRAY_ALPHA, 8})},
        {"png rgb8", png(23, 19)},
        {"png rgb transparent", png(23, 19, {PNG_COLOR_TYPE_RGB, 8, false, true})},
        {"png rgba16", png(23, 19, {PNG_COLOR_TYPE_RGB_ALPHA, 16}), {}, 1},
        {"png palette2", png(23, 19, {PNG_COLOR_TYPE_PALETTE, 2})},
        {"png palette transparent", png(23, 19, {PNG_COLOR_TYPE_PALETTE, 8, false, true})},
        {"png interlaced rgb", png(23, 19, {PNG_COLOR_TYPE_RGB, 8, true})},
        {"png interlaced palette", png(23, 19, {PNG_COLOR_TYPE_PALETTE, 2, true, true})},
        {"png interlaced rgba16", png(23, 19, {PNG_COLOR_TYPE_RGB_ALPHA, 16, true}), {}, 1},
        {"gif plain", gif(frame, {}, &plain), plain},
        {"gif interlaced", gif(frame, {.interlaced = true}, &interlaced), interlaced},
        {"gif local map", gif(frame, {.localMap = true}, &localMap), localMap},
        {"gif frame inside the screen", gif(frame, {40, 30, 5, 7}, &inScreen), inScreen},
        {"gif interlaced inside", gif(frame, {40, 30, 11, 13, true}, &interlacedInScreen), interlacedInScreen},
        {"gif frame past the screen", gif(frame, {20, 10, 5, 3}, &pastScreen), pastScreen},
    };
    for (const Case& c : cases) {
        const QImage ours = decode(c.file);
        ASSERT_FALSE(ours.isNull()) << c.name;
        EXPECT_TRUE(opaque(ours)) << c.name;
        EXPECT_LE(maxDifference(ours, c.expected.isNull() ? decodeWithQt(c.file) : c.expected), c.tolerance) << c.name;
    }
}

// A file cut anywhere fails or shows a whole, opaque picture; the first row stored (when `row` is
// given) shows exactly as the whole file has it, and two thirds of a file always show.
TEST(ImageDecoders, CutShortShowsWhatArrivedOrFails)
{
    const QImage picture = pattern(200, 150);
    const struct {
        const char* name;
        QByteArray file;
        int row; // -1: rows arrive blurred (JPEG), in passes (interlaced PNG) or run by run (RLE)
    } cases[] = {
        {"bmp", bmp(picture), 149},
        {"bmp top-down", bmp(picture, {.topDown = true}), 0},
        {"bmp rle8", bmp(indexedPattern(200, 150, 200), {.compression = 1}), -1},
        {"png", png(300, 200), 0},
        {"png interlaced", png(300, 200, {PNG_COLOR_TYPE_RGB, 8, true}), -1},
        {"gif", gif(indexedPattern(200, 150, 16)), 0},
        {"gif interlaced", gif(indexedPattern(200, 150, 16), {.interlaced = true}), 0},
        {"jpeg", jpeg(pattern(64, 64)), -1},
    };
    for (const auto& c : cases) {
        const QImage whole = decode(c.file);
        ASSERT_FALSE(whole.isNull()) << c.name;
        for (qsizetype keep = 0; keep < c.file.size(); keep += c.file.size() / 23 + 1) {
            const QImage image = decode(c.file.left(keep));
            if (image.isNull())
                continue;
            EXPECT_EQ(image.size(), whole.size()) << c.name << " " << keep;
            EXPECT_TRUE(opaque(image)) << c.name << " " << keep;
            if (c.row >= 0) {
                EXPECT_EQ(maxDifference(image.copy(0, c.row, image.width(), 1), whole.copy(0, c.row, image.width(), 1)), 0)
                    << c.name << " " << keep;
            }
        }
        EXPECT_FALSE(decode(c.file.left(c.file.size() * 2 / 3)).isNull()) << c.name;
    }
}

// A PNG header mended after a change, so that only the new size can make it fail.
QByteArray pngSized(std::uint32_t width, std::uint32_t height)
{
    QByteArray file = png(8, 8);
    file = with32(with32(file, 16, qToBigEndian(width)), 20, qToBigEndian(height));
    return with32(file, 29, qToBigEndian(std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(file.constData() + 12), 17))));
}

QByteArray jpegSized(int width, int height)
{
    QByteArray file = jpeg(pattern(16, 16));
    const qsizetype sof = file.indexOf("\xff\xc0");
    const char size[] = {char(height >> 8), char(height), char(width >> 8), char(width)};
    return file.replace(sof + 5, 4, QByteArray(size, 4));
}

TEST(ImageDecoders, ImpossibleSizesAndMissingFramesFail)
{
    const QByteArray bmp24 = bmp(pattern(8, 8));
    ASSERT_FALSE(decode(bmp24).isNull());
    ASSERT_FALSE(decode(pngSized(8, 8)).isNull());
    ASSERT_FALSE(decode(jpegSized(16, 16)).isNull());
    const struct {
        const char* name;
        QByteArray file;
    } cases[] = {
        {"bmp negative width", with32(bmp24, 18, std::uint32_t(-8))},
        {"bmp zero height", with32(bmp24, 22, 0)},
        {"bmp absurd width", with32(bmp24, 18, 0x7fffffff)},
        {"bmp absurd size", with32(with32(bmp24, 18, 200000), 22, 200000)},
        {"bmp most negative height", with32(bmp24, 22, 0x80000000u)},
        {"bmp bits per pixel 7", with32(bmp24, 26, 1 | 7 << 16)},
        {"bmp rle8 at 24 bits", with32(bmp24, 30, 1)},
        {"bmp unknown compression", with32(bmp24, 30, 9)},
        {"bmp unknown header size", with32(bmp24, 14, 33)},
        {"bmp header longer than the file", with32(bmp24, 14, 4000)},
        {"os/2 bmp with bit fields", bmp(pattern(8, 8), {.headerSize = 64, .compression = 3})},
        {"bmp signature only", QByteArray("BM")},
        {"jpeg 65000 squared", jpegSized(65000, 65000)},
        {"png 60000 squared", pngSized(60000, 60000)},
        {"gif without a frame", gif(indexedPattern(10, 10, 16), {.frame = false})},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(decode(c.file).isNull()) << c.name;
}

} // namespace
