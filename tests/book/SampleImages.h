#pragma once
// Image files of every variant the decoders must read, written at test time by the formats' own
// writers (TurboJPEG, libpng, giflib) or, for BMP, byte by byte. Not a test file itself.

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <vector>

namespace samples {

// A picture with a different colour in every pixel (and both 0 and 255 in it), Format_RGB32.
QImage pattern(int width, int height);

struct JpegOptions {
    int subsampling = 2; // TJSAMP_*: 0 4:4:4, 2 4:2:0
    int quality = 90;
    bool progressive = false;
    bool grey = false;
    bool cmyk = false; // inks stored inverted, as print software writes them
};
QByteArray jpeg(const QImage& image, const JpegOptions& options = {});

struct PngOptions {
    int colourType = 2; // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    bool interlaced = false;
    bool transparency = false; // a tRNS chunk
};
// Samples are derived from (x, y); `expected` is what a decoder must deliver (alpha dropped).
QByteArray png(int width, int height, const PngOptions& options, QImage* expected = nullptr);

struct GifOptions {
    int screenWidth = 0, screenHeight = 0; // 0: the frame's size
    int left = 0, top = 0;
    bool interlaced = false;
    bool globalMap = true; // else the frame carries a local one
    bool frame = true;     // false: a GIF with no frame at all
};
QByteArray gif(int width, int height, const GifOptions& options, QImage* expected = nullptr);

struct BmpOptions {
    int headerSize = 40; // 12 (OS/2 core), 40, 108 (V4), 124 (V5)
    int bitCount = 24;
    int compression = 0; // 0 RGB, 1 RLE8, 2 RLE4, 3 bit fields
    bool topDown = false;
    std::uint32_t masks[3] = {0, 0, 0}; // for bit fields: red, green, blue
};
// The pixels of `image` (colours of a palette image must be among its first 2^bitCount colours,
// given by `palette`); RLE files use runs and literal stretches.
QByteArray bmp(const QImage& image, const BmpOptions& options, const std::vector<QRgb>& palette = {});

// A palette image: `colours` distinct colours in a pattern.
QImage palettePattern(int width, int height, const std::vector<QRgb>& colours);
std::vector<QRgb> paletteOf(int count);

// Largest difference of any colour channel between two RGB32 images; -1 for different sizes.
int maxDifference(const QImage& a, const QImage& b);

} // namespace samples

namespace samples {

// Our image layer's result for the file bytes, as an RGB32 copy; null when it fails.
QImage decode(const QByteArray& file);
// Qt's own readers' result, for comparison; null when Qt can't read it.
QImage decodeWithQt(const QByteArray& file);
// True when every pixel's fourth byte is 0xff.
bool opaque(const QImage& image);

} // namespace samples
