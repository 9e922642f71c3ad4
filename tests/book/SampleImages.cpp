#include "SampleImages.h"

#include <gif_lib.h>
#include <png.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cstdlib>

namespace samples {

QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 255) / std::max(1, width - 1), (y * 255) / std::max(1, height - 1),
                                      (x * 37 + y * 11) & 255));
    return image;
}

QByteArray jpeg(const QImage& source, const JpegOptions& options)
{
    tjhandle tj = tjInitCompress();
    const int width = source.width(), height = source.height();
    std::vector<unsigned char> pixels(std::size_t(width) * height * 4);
    int format = TJPF_BGRX;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb c = source.pixel(x, y);
            unsigned char* p = &pixels[(std::size_t(y) * width + x) * 4];
            if (options.cmyk) {
                // Inverted inks: with K' = 255 the remaining bytes are the colour itself.
                p[0] = std::uint8_t(qRed(c));
                p[1] = std::uint8_t(qGreen(c));
                p[2] = std::uint8_t(qBlue(c));
                p[3] = 255;
            } else {
                p[0] = std::uint8_t(qBlue(c));
                p[1] = std::uint8_t(qGreen(c));
                p[2] = std::uint8_t(qRed(c));
                p[3] = 255;
            }
        }
    if (options.cmyk)
        format = TJPF_CMYK;
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int flags = options.progressive ? TJFLAG_PROGRESSIVE : 0;
    tjCompress2(tj, pixels.data(), width, width * 4, height, format, &out, &size,
                options.grey ? TJSAMP_GRAY : options.subsampling, options.quality, flags);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(tj);
    return bytes;
}

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

void noFlush(png_structp) {}

} // namespace

QByteArray png(int width, int height, const PngOptions& options, QImage* expected)
{
    QByteArray bytes;
    png_structp p = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(p);
    png_set_write_fn(p, &bytes, appendBytes, noFlush);
    png_set_IHDR(p, info, png_uint_32(width), png_uint_32(height), options.bitDepth, options.colourType,
                 options.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    const int levels = (1 << options.bitDepth) - 1;
    const bool palette = options.colourType == PNG_COLOR_TYPE_PALETTE;
    std::vector<png_color> colours;
    if (palette) {
        for (int i = 0; i <= levels; ++i)
            colours.push_back({png_byte(i * 255 / levels), png_byte(255 - i * 255 / levels), png_byte(i * 40 & 255)});
        png_set_PLTE(p, info, colours.data(), int(colours.size()));
    }
    if (options.transparency) {
        if (palette) {
            png_byte alpha[1] = {0};
            png_set_tRNS(p, info, alpha, 1, nullptr);
        } else {
            png_color_16 transparent{};
            transparent.gray = transparent.red = transparent.green = transparent.blue = 0;
            png_set_tRNS(p, info, nullptr, 0, &transparent);
        }
    }
    png_write_info(p, info);
    const int channels = png_get_channels(p, info);
    const int bitsPerPixel = channels * options.bitDepth;
    const std::size_t rowBytes = (std::size_t(width) * bitsPerPixel + 7) / 8;
    std::vector<std::vector<png_byte>> rows(static_cast<std::size_t>(height), std::vector<png_byte>(rowBytes));
    if (expected)
        *expected = QImage(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sample[4];
            for (int c = 0; c < channels; ++c)
                sample[c] = ((x * 7 + y * 13 + c * 50) * levels / 97 + (x == 0 && y == 0 ? 0 : 0)) % (levels + 1);
            if (x == 1 && y == 0)
                std::fill(sample, sample + channels, levels); // the top end of the range
            if (x == 0 && y == 0)
                std::fill(sample, sample + channels, 0);
            // Write the samples big-endian, packed.
            for (int c = 0; c < channels; ++c) {
                const std::size_t bit = (std::size_t(x) * channels + c) * options.bitDepth;
                if (options.bitDepth == 16) {
                    rows[y][bit / 8] = png_byte(sample[c] >> 8);
                    rows[y][bit / 8 + 1] = png_byte(sample[c]);
                } else {
                    rows[y][bit / 8] |= png_byte(sample[c] << (8 - options.bitDepth - bit % 8));
                }
            }
            if (!expected)
                continue;
            auto to8 = [&](int v) { return options.bitDepth == 16 ? (v * 255 + 32767) / 65535 : v * 255 / levels; };
            QRgb colour;
            if (palette)
                colour = qRgb(colours[sample[0]].red, colours[sample[0]].green, colours[sample[0]].blue);
            else if (channels <= 2)
                colour = qRgb(to8(sample[0]), to8(sample[0]), to8(sample[0]));
            else
                colour = qRgb(to8(sample[0]), to8(sample[1]), to8(sample[2]));
            expected->setPixel(x, y, colour);
        }
    }
    std::vector<png_bytep> pointers;
    for (auto& row : rows)
        pointers.push_back(row.data());
    png_write_image(p, pointers.data());
    png_write_end(p, info);
    png_destroy_write_struct(&p, &info);
    return bytes;
}

namespace {

int appendGif(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

} // namespace

QByteArray gif(int width, int height, const GifOptions& options, QImage* expected)
{
    QByteArray bytes;
    int error = 0;
    GifFileType* g = EGifOpen(&bytes, appendGif, &error);
    std::vector<GifColorType> colours(16);
    for (int i = 0; i < 16; ++i)
        colours[std::size_t(i)] = {GifByteType(i * 17), GifByteType(255 - i * 17), GifByteType(i * 50 & 255)};
    ColorMapObject* map = GifMakeMapObject(16, colours.data());
    const int screenWidth = options.screenWidth ? options.screenWidth : width;
    const int screenHeight = options.screenHeight ? options.screenHeight : height;
    const int background = 3;
    EGifPutScreenDesc(g, screenWidth, screenHeight, 4, background, options.globalMap ? map : nullptr);
    if (expected) {
        *expected = QImage(screenWidth, screenHeight, QImage::Format_RGB32);
        expected->fill(qRgb(colours[background].Red, colours[background].Green, colours[background].Blue));
    }
    if (options.frame) {
        EGifPutImageDesc(g, options.left, options.top, width, height, options.interlaced, options.globalMap ? nullptr : map);
        std::vector<int> order;
        if (options.interlaced) {
            for (int y = 0; y < height; y += 8) order.push_back(y);
            for (int y = 4; y < height; y += 8) order.push_back(y);
            for (int y = 2; y < height; y += 4) order.push_back(y);
            for (int y = 1; y < height; y += 2) order.push_back(y);
        } else {
            for (int y = 0; y < height; ++y) order.push_back(y);
        }
        std::vector<GifPixelType> line(static_cast<std::size_t>(width));
        for (int y : order) {
            for (int x = 0; x < width; ++x) {
                line[std::size_t(x)] = GifPixelType((x + y * 3) % 16);
                if (expected) {
                    const GifColorType& c = colours[line[std::size_t(x)]];
                    expected->setPixel(options.left + x, options.top + y, qRgb(c.Red, c.Green, c.Blue));
                }
            }
            EGifPutLine(g, line.data(), width);
        }
    }
    EGifCloseFile(g, &error);
    GifFreeMapObject(map);
    return bytes;
}

namespace {

void put16(QByteArray& b, int v)
{
    b.append(char(v & 255)).append(char((v >> 8) & 255));
}

void put32(QByteArray& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 255));
}

int indexOf(const std::vector<QRgb>& palette, QRgb c)
{
    const auto it = std::find(palette.begin(), palette.end(), c | 0xff000000u);
    return it == palette.end() ? 0 : int(it - palette.begin());
}

// One row of an RLE image: runs of equal pixels as encoded runs, the rest as literal stretches.
void encodeRleRow(QByteArray& out, const std::vector<int>& idx, bool four)
{
    std::size_t x = 0;
    while (x < idx.size()) {
        std::size_t run = 1;
        while (x + run < idx.size() && idx[x + run] == idx[x] && run < 254)
            ++run;
        if (run >= 3 || idx.size() - x < 3) {
            const int v = four ? (idx[x] << 4 | idx[x]) : idx[x];
            out.append(char(run)).append(char(v));
            x += run;
            continue;
        }
        std::size_t n = std::min<std::size_t>(idx.size() - x, 20);
        out.append(char(0)).append(char(n));
        QByteArray literal;
        for (std::size_t i = 0; i < n; ++i) {
            if (four) {
                if (i % 2 == 0)
                    literal.append(char(idx[x + i] << 4));
                else
                    literal[literal.size() - 1] = char(literal.back() | idx[x + i]);
            } else {
                literal.append(char(idx[x + i]));
            }
        }
        if (literal.size() % 2)
            literal.append(char(0));
        out.append(literal);
        x += n;
    }
    out.append(char(0)).append(char(0));
}

} // namespace

QByteArray bmp(const QImage& image, const BmpOptions& options, const std::vector<QRgb>& palette)
{
    const int width = image.width(), height = image.height();
    const int bpp = options.bitCount;
    const bool indexed = bpp <= 8;
    QByteArray pixels;
    const int stride = (width * bpp + 31) / 32 * 4;
    std::uint32_t masks[3] = {options.masks[0], options.masks[1], options.masks[2]};
    if (options.compression != 3 && bpp == 16) {
        masks[0] = 0x7c00;
        masks[1] = 0x03e0;
        masks[2] = 0x001f;
    } else if (options.compression != 3) {
        masks[0] = 0xff0000;
        masks[1] = 0xff00;
        masks[2] = 0xff;
    }
    for (int i = 0; i < height; ++i) {
        const int y = options.topDown ? i : height - 1 - i;
        std::vector<int> idx(static_cast<std::size_t>(width));
        for (int x = 0; x < width; ++x)
            idx[std::size_t(x)] = indexed ? indexOf(palette, image.pixel(x, y)) : 0;
        if (options.compression == 1 || options.compression == 2) {
            encodeRleRow(pixels, idx, options.compression == 2);
            continue;
        }
        QByteArray row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const QRgb c = image.pixel(x, y);
            if (indexed) {
                const int bit = x * bpp;
                row[bit / 8] = char(row[bit / 8] | (idx[std::size_t(x)] << (8 - bpp - bit % 8)));
            } else if (bpp == 24) {
                row[x * 3] = char(qBlue(c));
                row[x * 3 + 1] = char(qGreen(c));
                row[x * 3 + 2] = char(qRed(c));
            } else {
                std::uint32_t v = 0;
                const int channel[3] = {qRed(c), qGreen(c), qBlue(c)};
                for (int k = 0; k < 3; ++k) {
                    const std::uint32_t m = masks[k];
                    if (!m)
                        continue;
                    const int shift = __builtin_ctz(m);
                    const std::uint32_t max = m >> shift;
                    v |= ((std::uint32_t(channel[k]) * max + 127) / 255) << shift;
                }
                for (int b = 0; b < bpp / 8; ++b)
                    row[x * (bpp / 8) + b] = char((v >> (8 * b)) & 255);
            }
        }
        pixels.append(row);
    }
    if (options.compression == 1 || options.compression == 2)
        pixels.append(char(0)).append(char(1));

    QByteArray info;
    const bool core = options.headerSize == 12;
    put32(info, std::uint32_t(options.headerSize));
    if (core) {
        put16(info, width);
        put16(info, height);
        put16(info, 1);
        put16(info, bpp);
    } else {
        put32(info, std::uint32_t(width));
        put32(info, std::uint32_t(options.topDown ? -height : height));
        put16(info, 1);
        put16(info, bpp);
        put32(info, std::uint32_t(options.compression));
        put32(info, std::uint32_t(pixels.size()));
        put32(info, 2835);
        put32(info, 2835);
        put32(info, indexed ? std::uint32_t(palette.size()) : 0);
        put32(info, 0);
        if (options.headerSize > 40) {
            put32(info, masks[0]);
            put32(info, masks[1]);
            put32(info, masks[2]);
            put32(info, 0);
            info.append(QByteArray(options.headerSize - info.size(), 0));
        } else if (options.compression == 3) {
            put32(info, masks[0]);
            put32(info, masks[1]);
            put32(info, masks[2]);
        }
    }
    QByteArray colourTable;
    if (indexed)
        for (QRgb c : palette) {
            colourTable.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
            if (!core)
                colourTable.append(char(0));
        }
    QByteArray file("BM");
    const std::uint32_t offset = std::uint32_t(14 + info.size() + colourTable.size());
    put32(file, offset + std::uint32_t(pixels.size()));
    put32(file, 0);
    put32(file, offset);
    return file + info + colourTable + pixels;
}

std::vector<QRgb> paletteOf(int count)
{
    std::vector<QRgb> colours;
    for (int i = 0; i < count; ++i)
        colours.push_back(qRgb((i * 67) & 255, (i * 151 + 30) & 255, 255 - ((i * 29) & 255)));
    return colours;
}

QImage palettePattern(int width, int height, const std::vector<QRgb>& colours)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            // Runs of equal pixels next to changing ones, so RLE files get both kinds of stretch.
            const int i = (x / 4 + y) % 3 == 0 ? (x / 4 + y) : (x * 5 + y * 3);
            image.setPixel(x, y, colours[std::size_t(i) % colours.size()]);
        }
    return image;
}

int maxDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

} // namespace samples

#include "book/image/ImageLayer.h"

#include <QBuffer>
#include <QImageReader>

namespace samples {

QImage decode(const QByteArray& file)
{
    Image* image = CorOpenImageBytes(
        std::span(reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size())), FF_AUTODETECT);
    if (!image)
        return {};
    const QImage view(static_cast<const uchar*>(image->getPixels()), image->getWidth(), image->getHeight(),
                      qsizetype(image->getWidth()) * 4, QImage::Format_RGB32);
    QImage copy = view.copy();
    image->destroy();
    return copy;
}

QImage decodeWithQt(const QByteArray& file)
{
    QBuffer buffer;
    buffer.setData(file);
    QImageReader reader(&buffer);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

bool opaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] >> 24) != 0xff)
                return false;
    }
    return true;
}

} // namespace samples
