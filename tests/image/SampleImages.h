// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Image files the decoders must read, written at test time: JPEG, PNG and GIF by their own libraries,
// BMP byte by byte (Qt writes none of its unusual headers, depths or compressions). Not a test file.

#include <QByteArray>
#include <QImage>

#include <cstdint>

namespace samples {

// A palette picture of `colours` distinct colours (both 0 and 255 among their bytes), with runs of
// equal pixels next to changing ones; pattern() is the same of 256 colours, as Format_RGB32.
QImage indexedPattern(int width, int height, int colours);
QImage pattern(int width, int height);

// `subsampling` is a TJSAMP_*, `flags` TJFLAG_*; CMYK files store their inks inverted, as print
// software writes them.
QByteArray jpeg(const QImage& image, int subsampling = 2, int flags = 0, bool cmyk = false);

// `colourType` is a PNG_COLOR_TYPE_*; `transparency` adds a tRNS chunk. Arbitrary samples: Qt's reader
// tells the colours.
QByteArray png(int width, int height, int colourType = 2, int bitDepth = 8, bool interlaced = false,
               bool transparency = false);

struct GifOptions {
    int screenWidth = 0, screenHeight = 0; // 0: the frame's size
    int left = 0, top = 0;
    bool interlaced = false;
    bool localMap = false; // the colours on the frame instead of the screen
    bool frame = true;     // false: a GIF with no frame at all
};
// `frame` is an Indexed8 picture of 2^n colours; colour 3 is the background.
QByteArray gif(const QImage& frame, const GifOptions& options = {});

struct BmpOptions {
    int headerSize = 40; // 12 (OS/2 core), 16 and 64 (OS/2 2.x), 40, 56 (V3), 108 (V4), 124 (V5)
    int bitCount = 0;    // 0: the image's depth; an Indexed8 image is packed to 1, 2 or 4 bits
    int compression = 0; // 0 RGB, 1 RLE8, 2 RLE4, 3 bit fields, 6 bit fields with alpha
    bool topDown = false;
    std::uint32_t masks[3] = {0, 0, 0}; // red, green, blue
};
// The image's rows as they lie in memory (so the QImage format picks the layout: RGB555, RGB16,
// BGR888, RGB32, RGBX8888, RGB30, Indexed8). RLE rows alternate between runs and literal stretches.
QByteArray bmp(const QImage& image, const BmpOptions& options = {});

// `file` with the 32-bit little-endian field at `at` replaced.
QByteArray with32(QByteArray file, int at, std::uint32_t value);

// Largest difference of any colour channel between two images; 256 for different sizes.
int maxDifference(const QImage& a, const QImage& b);
// Our image layer's result for the file bytes, as an RGB32 copy; null when it fails. Checks that every
// pixel is opaque and that a channel range the decoder found on the way is the picture's.
QImage decode(const QByteArray& file);
// Qt's own reader's result, for comparison; null when Qt can't read it.
QImage decodeWithQt(const QByteArray& file);

} // namespace samples
