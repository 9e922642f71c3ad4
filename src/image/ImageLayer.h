// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The image layer the decoding path calls: open a file as an image object, convert it to 32-bit
// blue-green-red-alpha pixels, turn it. Inside are real decoders (TurboJPEG, libpng, giflib, libwebp,
// libavif, libjxl and our own BMP reader); the file's format is told from its content. Every call is
// safe from any thread as long as an image object is used by one thread at a time.

#include "image/ColourCorrection.h"
#include "image/PixelMemory.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

// File formats (only detection from the content is offered).
inline constexpr int FF_AUTODETECT = 0x100;
// Pixel formats: 32 bits per pixel, bytes blue, green, red, alpha.
inline constexpr int PF_B8G8R8A8 = 0x204;
// Flip axes: CA_X mirrors left to right, CA_Y top to bottom; both turn the image by 180 degrees.
inline constexpr int CA_X = 1;
inline constexpr int CA_Y = 2;

// A decoded image. Its rows are top-down, each exactly width x 4 bytes; the alpha byte is 0xff.
class Image {
public:
    Image(int width, int height, std::shared_ptr<PixelMemory> memory)
        : m_width(width), m_height(height), m_memory(std::move(memory))
    {}
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    void destroy() { delete this; }
    int getWidth() const { return m_width; }
    int getHeight() const { return m_height; }
    void* getPixels() const { return m_memory ? m_memory->data() : nullptr; }
    int getFormat() const { return PF_B8G8R8A8; }

    // The pixel memory itself, for a caller that keeps the pixels instead of copying them; the image
    // still reads them until it is destroyed.
    const std::shared_ptr<PixelMemory>& memory() const { return m_memory; }

    // The smallest and largest blue, green or red byte, when the decoder found them on the way
    // (asked for with ImageOpenOptions::findChannelRange); turning the image doesn't change them.
    std::optional<ChannelRange> channelRange() const { return m_range; }
    void setChannelRange(std::optional<ChannelRange> range) { m_range = range; }

private:
    ~Image() = default;

    int m_width;
    int m_height;
    std::shared_ptr<PixelMemory> m_memory;
    std::optional<ChannelRange> m_range;
};

struct ImageOpenOptions {
    // Memory from an earlier image that nobody else uses any more; decoded into when big enough.
    std::shared_ptr<PixelMemory> recycled;
    // Images declaring more pixels fail like damaged files, before their memory is taken.
    std::int64_t maxPixels = 100'000'000;
    // Find the channel range while decoding, where a decoder can do so cheaply.
    bool findChannelRange = false;
    // The box the picture will be shown within; JPEG and WebP then decode at a reduced size no
    // smaller than the picture fitted in it (the others decode whole). Empty: full size.
    QSize fitWithin;
};

// Decodes the file at `path`; nullptr when it is missing, not a regular file, of an unknown type,
// damaged beyond showing anything or too large. `fileFormat` must be FF_AUTODETECT.
Image* CorOpenImage(const QString& path, int fileFormat, ImageOpenOptions options = {});

// The same for a file already in memory.
Image* CorOpenImageBytes(std::span<const std::uint8_t> file, int fileFormat, ImageOpenOptions options = {});

// The image in `pixelFormat`. The decoders deliver PF_B8G8R8A8 already, so that image comes back
// as it is; for any other format the image is destroyed and nullptr comes back. nullptr gives nullptr.
Image* CorConvertImage(Image* image, int pixelFormat);

// Mirrors the image in place along the given axes (CA_X, CA_Y or both). False for no image.
bool CorFlipImage(Image* image, int axes);
