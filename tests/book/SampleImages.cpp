#include "SampleImages.h"

#include "book/image/ImageLayer.h"

#include <QBuffer>
#include <QImageReader>

#include <gif_lib.h>
#include <png.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace samples {

QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / std::max(1, width - 1), y * 255 / std::max(1, height - 1),
                                      (x * 37 + y * 11) & 255));
    return image;
}

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

QByteArray png(int width, int height, const PngOptions& o)
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
    png_set_IHDR(p, info, png_uint_32(width), png_uint_32(height), o.bitDepth, o.colourType,
                 o.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    const int levels = (1 << o.bitDepth) - 1;
    const bool palette = o.colourType == PNG_COLOR_TYPE_PALETTE;
    std::vector<png_color> colours;
    for (int i = 0; palette && i <= levels; ++i)
        colours.push_back({png_byte(i * 255 / levels), png_byte(255 - i * 255 / levels), png_byte(i * 40)});
    if (palette)
        png_set_PLTE(p, info, colours.data(), int(colours.size()));
    png_byte clear = 0;
    png_color_16 black{};
    if (o.transparency) // palette entry 0, or the colour black
        png_set_tRNS(p, info, palette ? &clear : nullptr, palette ? 1 : 0, palette ? nullptr : &black);
    png_write_info(p, info);
    const int channels = png_get_channels(p, info);
    const std::size_t rowBytes = png_get_rowbytes(p, info);
    std::vector<png_byte> pixels(rowBytes * std::size_t(height));
    std::vector<png_bytep> rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(&pixels[rowBytes * std::size_t(y)]);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c) { // big-endian samples, packed
                const int v = (x * 7 + y * 13 + c * 50) * levels / 97 % (levels + 1);
                const std::size_t bit = (std::size_t(x) * channels + c) * o.bitDepth;
                png_byte* at = rows.back() + bit / 8;
                if (o.bitDepth == 16)
                    at[0] = png_byte(v >> 8), at[1] = png_byte(v);
                else
                    at[0] |= png_byte(v << (8 - o.bitDepth - bit % 8));
            }
    }
    png_write_image(p, rows.data());
    png_write_end(p, info);
    png_destroy_write_struct(&p, &info);
    return bytes;
}

QByteArray gif(const QImage& frame, const GifOptions& o, QImage* expected)
{
    QByteArray bytes;
    int error = 0;
    GifFileType* g = EGifOpen(&bytes, [](GifFileType* g, const GifByteType* data, int n) {
        static_cast<QByteArray*>(g->UserData)->append(reinterpret_cast<const char*>(data), n);
        return n;
    }, &error);
    std::vector<GifColorType> colours;
    for (QRgb c : frame.colorTable())
        colours.push_back({GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))});
    ColorMapObject* map = GifMakeMapObject(int(colours.size()), colours.data());
    const int width = frame.width(), height = frame.height();
    const QSize screen(o.screenWidth ? o.screenWidth : width, o.screenHeight ? o.screenHeight : height);
    EGifPutScreenDesc(g, screen.width(), screen.height(), 8, 3, o.localMap ? nullptr : map);
    if (expected) { // a frame reaching past the screen widens it
        *expected = QImage(screen.expandedTo({o.left + width, o.top + height}), QImage::Format_RGB32);
        expected->fill(frame.color(3));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                expected->setPixel(o.left + x, o.top + y, frame.pixel(x, y));
    }
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
void put(QByteArray& out, std::uint32_t value, int bytes = 4)
{
    for (int i = 0; i < bytes; ++i)
        out += char(value >> (8 * i));
}
} // namespace

QByteArray bmp(const QImage& image, const BmpOptions& o)
{
    const int width = image.width(), height = image.height();
    const int bits = o.bitCount ? o.bitCount : image.depth();
    const bool rle = o.compression == 1 || o.compression == 2;
    QByteArray pixels;
    for (int i = 0; i < height; ++i) {
        const int y = o.topDown ? i : height - 1 - i;
        const uchar* line = image.constScanLine(y);
        QByteArray row((width * bits + 31) / 32 * 4, 0);
        if (image.format() == QImage::Format_Indexed8)
            for (int x = 0; x < width; ++x)
                row[x * bits / 8] = char(row[x * bits / 8] | line[x] << (8 - bits - x * bits % 8));
        else
            std::memcpy(row.data(), line, std::size_t(width * bits / 8));
        if (!rle) {
            pixels += row;
            continue;
        }
        if (i % 2) { // a literal stretch, padded to 16 bits
            pixels += char(0);
            pixels += char(width);
            pixels += row.left((width * bits + 15) / 16 * 2);
        } else { // runs of equal pixels
            for (int x = 0, n = 1; x < width; x += n) {
                for (n = 1; x + n < width && n < 255 && line[x + n] == line[x]; ++n) {
                }
                pixels += char(n);
                pixels += char(bits == 4 ? line[x] * 17 : line[x]);
            }
        }
        pixels += QByteArray(2, 0); // end of line
    }
    if (rle)
        pixels += QByteArray("\0\1", 2); // end of bitmap

    QByteArray info, palette;
    put(info, std::uint32_t(o.headerSize));
    if (o.headerSize == 12) {
        for (int v : {width, height, 1, bits})
            put(info, std::uint32_t(v), 2);
    } else {
        put(info, std::uint32_t(width));
        put(info, std::uint32_t(o.topDown ? -height : height));
        put(info, 1, 2);
        put(info, std::uint32_t(bits), 2);
        for (int v : {o.compression, int(pixels.size()), 2835, 2835, int(image.colorCount()), 0})
            put(info, std::uint32_t(v));
        if (o.headerSize > 40 || o.compression == 3)
            for (std::uint32_t mask : o.masks)
                put(info, mask);
        if (o.headerSize != 40)
            info = info.leftJustified(o.headerSize, '\0', true);
    }
    for (QRgb c : image.colorTable())
        palette += QByteArray(1, char(qBlue(c))) + char(qGreen(c)) + char(qRed(c)) +
                   (o.headerSize == 12 ? QByteArray() : QByteArray(1, 0));
    QByteArray file("BM");
    const auto offset = std::uint32_t(14 + info.size() + palette.size());
    put(file, offset + std::uint32_t(pixels.size()));
    put(file, 0);
    put(file, offset);
    return file + info + palette + pixels;
}

QByteArray with32(QByteArray file, int at, std::uint32_t value)
{
    QByteArray field;
    put(field, value);
    return file.replace(at, 4, field);
}

int maxDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 256;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

QImage decode(const QByteArray& file)
{
    Image* image = CorOpenImageBytes(
        std::span(reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size())), FF_AUTODETECT);
    if (!image)
        return {};
    const QImage copy = QImage(static_cast<const uchar*>(image->getPixels()), image->getWidth(), image->getHeight(),
                               qsizetype(image->getWidth()) * 4, QImage::Format_RGB32)
                            .copy();
    image->destroy();
    return copy;
}

QImage decodeWithQt(const QByteArray& file)
{
    QBuffer buffer;
    buffer.setData(file);
    return QImageReader(&buffer).read().convertToFormat(QImage::Format_RGB32);
}

bool opaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]) != 0xff)
                return false;
    return true;
}

} // namespace samples
