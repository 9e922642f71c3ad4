// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleImages.h"

#include "image/ImageLayer.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

#include <gif_lib.h>
#include <png.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace samples {

QImage indexedPattern(int width, int height, int colours)
{
    QImage image(width, height, QImage::Format_Indexed8);
    for (int i = 0; i < colours; ++i)
        image.setColor(i, qRgb((i * 67) & 255, (i * 151 + 30) & 255, 255 - ((i * 29) & 255)));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.scanLine(y)[x] = uchar(((x / 4 + y) % 3 == 0 ? x / 4 + y : x * 5 + y * 3) % colours);
    return image;
}

QImage pattern(int width, int height)
{
    return indexedPattern(width, height, 256).convertToFormat(QImage::Format_RGB32);
}

QByteArray jpeg(const QImage& image, int subsampling, int flags, bool cmyk)
{
    // Inverted inks with K' = 255: the other three bytes are the colour itself, R, G, B.
    const QImage pixels = image.convertToFormat(cmyk ? QImage::Format_RGBX8888 : QImage::Format_RGB32);
    tjhandle tj = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    tjCompress2(tj, pixels.constBits(), pixels.width(), int(pixels.bytesPerLine()), pixels.height(),
                cmyk ? TJPF_CMYK : TJPF_BGRX, &out, &size, subsampling, 90, flags);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(tj);
    return bytes;
}

QByteArray png(int width, int height, int colourType, int bitDepth, bool interlaced, bool transparency)
{
    QByteArray bytes;
    png_structp p = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(p);
    png_set_write_fn(
        p, &bytes,
        [](png_structp p, png_bytep data, png_size_t n) {
            static_cast<QByteArray*>(png_get_io_ptr(p))->append(reinterpret_cast<const char*>(data), qsizetype(n));
        },
        [](png_structp) {});
    png_set_IHDR(p, info, png_uint_32(width), png_uint_32(height), bitDepth, colourType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> colours;
    for (int i = 0; i < 1 << std::min(bitDepth, 8); ++i)
        colours.push_back({png_byte(i * 67), png_byte(255 - i), png_byte(i * 40)});
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_PLTE(p, info, colours.data(), int(colours.size()));
    png_byte clear = 0;
    png_color_16 black{};
    if (transparency) // palette entry 0, or the colour black
        png_set_tRNS(p, info, &clear, 1, &black);
    png_write_info(p, info);
    // Any bytes will do, as Qt's reader is the reference; palette indices all fit as the palette is full.
    const std::size_t rowBytes = png_get_rowbytes(p, info);
    std::vector<png_byte> pixels(rowBytes * std::size_t(height));
    std::vector<png_bytep> rows;
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = png_byte(i % rowBytes * 7 + i / rowBytes * 13);
    for (int y = 0; y < height; ++y)
        rows.push_back(&pixels[rowBytes * std::size_t(y)]);
    png_write_image(p, rows.data());
    png_write_end(p, info);
    png_destroy_write_struct(&p, &info);
    return bytes;
}

QByteArray gif(const QImage& frame, const GifOptions& o)
{
    QByteArray bytes;
    int error = 0;
    GifFileType* g = EGifOpen(
        &bytes,
        [](GifFileType* g, const GifByteType* data, int n) {
            static_cast<QByteArray*>(g->UserData)->append(reinterpret_cast<const char*>(data), n);
            return n;
        },
        &error);
    std::vector<GifColorType> colours;
    for (QRgb c : frame.colorTable())
        colours.push_back({GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))});
    ColorMapObject* map = GifMakeMapObject(int(colours.size()), colours.data());
    const int width = frame.width(), height = frame.height();
    EGifPutScreenDesc(g, o.screenWidth ? o.screenWidth : width, o.screenHeight ? o.screenHeight : height, 8, 3,
                      o.localMap ? nullptr : map);
    if (o.frame) {
        EGifPutImageDesc(g, o.left, o.top, width, height, o.interlaced, o.localMap ? map : nullptr);
        static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
        for (int pass = 0; pass < (o.interlaced ? 4 : 1); ++pass)
            for (int y = o.interlaced ? kStart[pass] : 0; y < height; y += o.interlaced ? kStep[pass] : 1)
                EGifPutLine(g, const_cast<GifPixelType*>(frame.constScanLine(y)), width);
    }
    EGifCloseFile(g, &error);
    GifFreeMapObject(map);
    return bytes;
}

namespace {
// The values as little-endian fields of `bytes` bytes each.
template <typename... Values> QByteArray le(int bytes, Values... values)
{
    QByteArray out;
    for (const std::uint32_t v : {std::uint32_t(values)...})
        for (int i = 0; i < bytes; ++i)
            out += char(v >> (8 * i));
    return out;
}
} // namespace

QByteArray bmp(const QImage& image, const BmpOptions& o)
{
    const int width = image.width(), height = image.height(), bits = o.bitCount ? o.bitCount : image.depth();
    const bool indexed = image.format() == QImage::Format_Indexed8, rle = o.compression == 1 || o.compression == 2;
    QByteArray pixels;
    for (int i = 0; i < height; ++i) {
        const uchar* line = image.constScanLine(o.topDown ? i : height - 1 - i);
        QByteArray row((width * bits + 31) / 32 * 4, 0);
        for (int x = 0; indexed && x < width; ++x) // packed to 1, 2, 4 or 8 bits
            row[x * bits / 8] = char(row[x * bits / 8] | line[x] << (8 - bits - x * bits % 8));
        if (!indexed)
            std::memcpy(row.data(), line, std::size_t(width * bits / 8));
        if (!rle) {
            pixels += row;
        } else if (i % 2) { // a literal stretch, padded to 16 bits, then the end of the line
            pixels += le(1, 0, width) + row.left((width * bits + 15) / 16 * 2) + le(2, 0);
        } else { // runs of equal pixels
            for (int x = 0, n = 1; x < width; x += n) {
                for (n = 1; x + n < width && n < 255 && line[x + n] == line[x]; ++n) {}
                pixels += le(1, n, bits == 4 ? line[x] * 17 : line[x]);
            }
            pixels += le(2, 0);
        }
    }
    if (rle)
        pixels += le(1, 0, 1); // the end of the bitmap
    QByteArray info = o.headerSize == 12 ? le(4, 12) + le(2, width, height, 1, bits)
                                         : le(4, o.headerSize, width, o.topDown ? -height : height) + le(2, 1, bits)
            + le(4, o.compression, pixels.size(), 2835, 2835, image.colorCount(), 0);
    if (o.headerSize > 40 || o.compression == 3)
        info += le(4, o.masks[0], o.masks[1], o.masks[2]);
    if (o.headerSize != 40)
        info = info.leftJustified(o.headerSize, '\0', true);
    QByteArray palette;
    for (QRgb c : image.colorTable())
        palette += le(o.headerSize == 12 ? 3 : 4, c & 0xffffff); // blue, green, red (and a zero)
    const qsizetype offset = 14 + info.size() + palette.size();
    return "BM" + le(4, offset + pixels.size(), 0, offset) + info + palette + pixels;
}

QByteArray with32(QByteArray file, int at, std::uint32_t value)
{
    return file.replace(at, 4, le(4, value));
}

int maxDifference(const QImage& a, const QImage& b)
{
    int worst = a.size() == b.size() ? 0 : 256;
    for (int y = 0; worst < 256 && y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16}) {
                const int p = int(a.pixel(x, y) >> shift & 255), q = int(b.pixel(x, y) >> shift & 255);
                worst = std::max(worst, std::abs(p - q));
            }
    return worst;
}

QImage decode(const QByteArray& file)
{
    ImageOpenOptions options;
    options.findChannelRange = true;
    Image* image = CorOpenImageBytes(
        {reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size())}, FF_AUTODETECT, options);
    if (!image)
        return {};
    const auto* pixels = static_cast<const std::uint32_t*>(image->getPixels());
    const std::size_t count = std::size_t(image->getWidth()) * std::size_t(image->getHeight());
    // Every picture is opaque, and a range found on the way, for normalisation, is the finished picture's.
    EXPECT_TRUE(std::all_of(pixels, pixels + count, [](std::uint32_t p) { return p >> 24 == 0xff; }));
    EXPECT_EQ(image->channelRange().value_or(FindChannelRange(pixels, count)), FindChannelRange(pixels, count));
    const int width = image->getWidth(), height = image->getHeight();
    const QImage copy = QImage(reinterpret_cast<const uchar*>(pixels), width, height, QImage::Format_RGB32).copy();
    image->destroy();
    return copy;
}

QImage decodeWithQt(const QByteArray& file)
{
    QBuffer buffer;
    buffer.setData(file);
    return QImageReader(&buffer).read().convertToFormat(QImage::Format_RGB32);
}

} // namespace samples
