// SPDX-License-Identifier: GPL-3.0-or-later
// The image layer: every variant of the four formats shows its picture (JPEG, PNG and GIF through
// their libraries, as Qt's reader shows it; BMP through our own reader, as written); files cut short,
// declaring impossible sizes or misnamed fail or show cleanly.

#include "SampleImages.h"
#include "support/TestSupport.h"

#include "image/ImageLayer.h"

#include <QDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <png.h>
#include <turbojpeg.h>
#include <zlib.h>

using namespace samples;

namespace {

struct Case {
    const char* name;
    QByteArray file;
    QImage expected = {}; // null: what Qt's reader makes of it
    int tolerance = 0;
};

TEST(ImageLayer, EveryVariantShowsItsPicture)
{
    const QImage source = pattern(37, 21); // not a multiple of the JPEG block size
    const QImage frame = indexedPattern(29, 17, 16);
    const auto as = [&](QImage::Format format) { return source.convertToFormat(format); };
    const QImage bgr = as(QImage::Format_BGR888), rgb565 = as(QImage::Format_RGB16);
    const QImage palette16 = indexedPattern(31, 13, 16);
    // Our own BMP reader scales fields of other than 8 bits to 0..255, where Qt shifts: one step apart.
    const auto bmpCase = [](const char* name, const QImage& image, const BmpOptions& options = {}) {
        const bool scaled = image.depth() == 16 || image.format() == QImage::Format_RGB30;
        return Case{name, bmp(image, options), image.convertToFormat(QImage::Format_RGB32), scaled ? 1 : 0};
    };
    const Case cases[] = {
        {"jpeg 4:2:0", jpeg(source), {}, 2},
        {"jpeg progressive", jpeg(source, TJSAMP_420, TJFLAG_PROGRESSIVE), {}, 2},
        // Compared with the original, so inverted inks can't be read the wrong way round.
        {"jpeg cmyk", jpeg(source, TJSAMP_444, 0, true), source, 40},
        {"png grey1", png(23, 19, PNG_COLOR_TYPE_GRAY, 1)},
        {"png grey16", png(23, 19, PNG_COLOR_TYPE_GRAY, 16), {}, 1}, // Qt rounds 16-bit samples its own way
        {"png rgb8", png(23, 19)},
        {"png rgba16", png(23, 19, PNG_COLOR_TYPE_RGB_ALPHA, 16), {}, 1},
        {"png palette2", png(23, 19, PNG_COLOR_TYPE_PALETTE, 2)},
        {"png palette transparent", png(23, 19, PNG_COLOR_TYPE_PALETTE, 8, false, true)},
        {"png interlaced rgb", png(23, 19, PNG_COLOR_TYPE_RGB, 8, true)},
        {"png interlaced palette", png(23, 19, PNG_COLOR_TYPE_PALETTE, 2, true, true)},
        {"gif", gif(frame)},
        {"gif local map", gif(frame, {.localMap = true})},
        {"gif frame inside the screen", gif(frame, {40, 30, 5, 7})},
        {"gif interlaced inside the screen", gif(frame, {40, 30, 11, 13, true})},
        bmpCase("bmp mono", indexedPattern(31, 13, 2), {.bitCount = 1}),
        bmpCase("bmp palette4 of 11 colours", indexedPattern(31, 13, 11), {.bitCount = 4}),
        bmpCase("bmp palette8", indexedPattern(31, 13, 256)),
        bmpCase("bmp rle8", indexedPattern(31, 13, 200), {.compression = 1}),
        bmpCase("bmp rle4", palette16, {.bitCount = 4, .compression = 2}),
        bmpCase("bmp rgb555", as(QImage::Format_RGB555)),
        bmpCase("bmp rgb565", rgb565, {.compression = 3, .masks = {0xf800, 0x07e0, 0x001f}}),
        bmpCase("bmp rgb24", bgr),
        bmpCase("bmp rgb32", source),
        bmpCase("bmp bit fields 32", as(QImage::Format_RGBX8888),
                {.compression = 3, .masks = {0xff, 0xff00, 0xff << 16}}),
        bmpCase("bmp 10-bit fields", as(QImage::Format_RGB30),
                {.compression = 3, .masks = {0x3ff << 20, 0x3ff << 10, 0x3ff}}),
        bmpCase("bmp top-down 24", bgr, {.topDown = true}),
        bmpCase("bmp v3 alpha bit fields", source,
                {.headerSize = 56, .compression = 6, .masks = {0xff << 16, 0xff00, 0xff}}),
        bmpCase("bmp v4 rgb565", rgb565, {.headerSize = 108, .compression = 3, .masks = {0xf800, 0x07e0, 0x001f}}),
        bmpCase("bmp v5 top-down", source, {124, 0, 3, true, {0xff << 16, 0xff00, 0xff}}), // header, bits, compression
        bmpCase("os/2 core 8", indexedPattern(31, 13, 256), {.headerSize = 12}),
        bmpCase("os/2 2.x short header", bgr, {.headerSize = 16}),
        bmpCase("os/2 2.x rle4", palette16, {.headerSize = 64, .bitCount = 4, .compression = 2}),
        // Pixels at an offset outside the file are read right after the palette.
        {"bmp pixel offset outside", with32(bmp(source), 10, 0x7ffffff0), source},
    };
    for (const auto& c : cases) {
        const QImage ours = decode(c.file);
        ASSERT_FALSE(ours.isNull()) << c.name;
        EXPECT_LE(maxDifference(ours, c.expected.isNull() ? decodeWithQt(c.file) : c.expected), c.tolerance) << c.name;
    }
    // A frame reaching past the screen widens the picture, where Qt cuts it.
    const QImage widened = decode(gif(frame, {20, 10, 5, 3}));
    EXPECT_EQ(widened.size(), QSize(34, 20));
    EXPECT_EQ(maxDifference(widened.copy(5, 3, 29, 17), frame.convertToFormat(QImage::Format_RGB32)), 0);
}

// A file cut anywhere fails or shows a whole, opaque picture whose first stored row (where `row` is
// given) is the whole file's once the cut lies well past it; two thirds of a file always show. A cut
// inside a row may show it as the bytes that did arrive make it.
TEST(ImageLayer, CutShortShowsWhatArrivedOrFails)
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
        {"png interlaced", png(300, 200, PNG_COLOR_TYPE_RGB, 8, true), -1},
        {"gif", gif(indexedPattern(200, 150, 16)), 0},
        {"gif interlaced", gif(indexedPattern(200, 150, 16), {.interlaced = true}), 0},
        {"jpeg", jpeg(pattern(64, 64)), -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage whole = decode(c.file);
        // The first cuts leave a signature, a header, a colour table; then every 23rd of the file.
        for (qsizetype keep = 1; keep < c.file.size(); keep = keep < 64 ? keep * 2 : keep + c.file.size() / 23) {
            const QImage image = decode(c.file.left(keep));
            if (image.isNull())
                continue;
            EXPECT_EQ(image.size(), whole.size()) << keep;
            if (c.row >= 0 && keep > c.file.size() / 4) { // well past the row's own bytes
                const int w = image.width();
                EXPECT_EQ(maxDifference(image.copy(0, c.row, w, 1), whole.copy(0, c.row, w, 1)), 0) << keep;
            }
        }
        EXPECT_FALSE(decode(c.file.left(c.file.size() * 2 / 3)).isNull());
    }
}

// Hand-written RLE: a delta, and runs cut short, leave the pixels they skip black.
TEST(ImageLayer, BmpRleDeltaAndCutRunsLeaveTheSkippedPixelsBlack)
{
    // 4 x 2 pictures of colours 0..3; `rows` shows the indices of the bottom row (stored first), then
    // of the top one, '.' for black.
    const struct {
        int bitCount;
        const char* data;
        const char* rows;
    } cases[] = {
        {8, "0201 00020101 0102 0001", "11.. ...2"},  // a run, a delta of (1, 1), a run, the end
        {8, "0003 030201 00 0000 0203", "321. 33.."}, // a literal of 3, padded, the end of a line
        {4, "0003 3210 0000 0312", "321. 121."},
        {8, "0004 0302", "32.. ...."},    // a literal cut short
        {8, "0101 0002 01", "1... ...."}, // a delta cut short
    };
    const QImage image = indexedPattern(4, 2, 4);
    for (const auto& c : cases) {
        const QByteArray header = bmp(image, {.bitCount = c.bitCount, .compression = c.bitCount == 8 ? 1 : 2});
        const QImage ours = decode(header.left(14 + 40 + 4 * 4) + QByteArray::fromHex(c.data));
        QByteArray rows;
        for (int y : {1, 0})
            for (int x = 0; x < 4; ++x) {
                const qsizetype index = image.colorTable().indexOf(ours.pixel(x, y));
                rows += index < 0 ? '.' : char('0' + index);
            }
        EXPECT_EQ(rows.insert(4, ' '), c.rows) << c.data;
    }
}

// A PNG header mended after the change, so that only the new size can make it fail.
QByteArray pngSized(std::uint32_t width, std::uint32_t height)
{
    const QByteArray file = with32(with32(png(8, 8), 16, qToBigEndian(width)), 20, qToBigEndian(height));
    const auto crc = std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(file.constData() + 12), 17));
    return with32(file, 29, qToBigEndian(crc));
}

TEST(ImageLayer, ImpossibleSizesAndMissingFramesFail)
{
    const QByteArray bmp24 = bmp(pattern(8, 8).convertToFormat(QImage::Format_BGR888));
    ASSERT_FALSE(decode(bmp24).isNull());
    ASSERT_FALSE(decode(pngSized(8, 8)).isNull());
    QByteArray jpeg65000 = jpeg(pattern(16, 16));
    jpeg65000.replace(jpeg65000.indexOf("\xff\xc0") + 5, 4, "\xfd\xe8\xfd\xe8"); // the frame's height and width
    const std::pair<const char*, QByteArray> cases[] = {
        {"bmp negative width", with32(bmp24, 18, std::uint32_t(-8))},
        {"bmp zero height", with32(bmp24, 22, 0)},
        {"bmp absurd size", with32(with32(bmp24, 18, 200000), 22, 200000)},
        {"bmp most negative height", with32(bmp24, 22, 0x80000000u)},
        {"bmp bits per pixel 7", with32(bmp24, 26, 1 | 7 << 16)},
        {"bmp rle8 at 24 bits", with32(bmp24, 30, 1)},
        {"bmp unknown compression", with32(bmp24, 30, 9)},
        {"bmp unknown header size", with32(bmp24, 14, 33)},
        {"bmp header longer than the file", with32(bmp24, 14, 4000)},
        {"os/2 bmp with bit fields", bmp(pattern(8, 8), {.headerSize = 64, .compression = 3})},
        {"bmp signature only", QByteArray("BM")},
        {"jpeg 65000 squared", jpeg65000},
        {"png 60000 squared", pngSized(60000, 60000)},
        {"gif without a frame", gif(indexedPattern(10, 10, 16), {.frame = false})},
    };
    for (const auto& [name, file] : cases)
        EXPECT_TRUE(decode(file).isNull()) << name;
}

TEST(ImageLayer, FilesAreToldByTheirContentNotTheirName)
{
    ScratchDir dir;
    const QImage source = pattern(12, 9);
    QDir().mkpath(dir.file("a.jpg"));
    const std::pair<QString, bool> cases[] = {
        {dir.write("page.bmp", jpeg(source)), true},
        {dir.write("page.jpg", png(12, 9)), true},
        {dir.write("page.png", gif(indexedPattern(12, 9, 16))), true},
        {dir.write("page.gif", bmp(source)), true},
        {dir.write("noextension", jpeg(source)), true},
        {dir.write("notes.jpg", "Chapter one: the page list\n"), false},
        {dir.write("empty.jpg", QByteArray()), false},
        {dir.file("a.jpg"), false}, // a folder
        {dir.file("missing.png"), false},
    };
    for (const auto& [path, opens] : cases) {
        Image* image = CorOpenImage(path, FF_AUTODETECT);
        EXPECT_EQ(image != nullptr, opens) << path.toStdString();
        if (image)
            image->destroy();
    }
    EXPECT_EQ(CorOpenImage(dir.file("page.jpg"), 0), nullptr) << "only detection from the content is offered";
}

TEST(ImageLayer, PixelLimitConversionAndTurn)
{
    const QImage source = pattern(20, 10);
    const QByteArray file = bmp(source);
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size()));
    ImageOpenOptions limit;
    limit.maxPixels = 199;
    EXPECT_EQ(CorOpenImageBytes(bytes, FF_AUTODETECT, limit), nullptr);
    limit.maxPixels = 200;
    limit.findChannelRange = true;
    Image* image = CorOpenImageBytes(bytes, FF_AUTODETECT, limit);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->channelRange(), (ChannelRange{0, 255})) << "found on the way";
    EXPECT_EQ(CorConvertImage(image, PF_B8G8R8A8), image);
    EXPECT_EQ(CorConvertImage(image, 0x201), nullptr) << "any other pixel format destroys the image";
    EXPECT_EQ(CorConvertImage(nullptr, PF_B8G8R8A8), nullptr);
    EXPECT_EQ(CorOpenImageBytes(bytes, 0), nullptr);
    for (const auto& [axes, horizontal, vertical] :
         {std::tuple{CA_X | CA_Y, true, true}, std::tuple{CA_X, true, false}, std::tuple{CA_Y, false, true}}) {
        image = CorOpenImageBytes(bytes, FF_AUTODETECT);
        ASSERT_TRUE(CorFlipImage(image, axes));
        const QImage turned(static_cast<const uchar*>(image->getPixels()), 20, 10, 80, QImage::Format_RGB32);
        EXPECT_EQ(maxDifference(turned, source.mirrored(horizontal, vertical)), 0) << axes;
        image->destroy();
    }
    EXPECT_FALSE(CorFlipImage(nullptr, CA_X | CA_Y));
}

} // namespace
