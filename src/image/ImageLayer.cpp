// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ImageLayer.h"

#include "image/Decoders.h"
#include "image/ImageFile.h"
#include "image/ImageFormat.h"

#include <algorithm>

Image* CorOpenImageBytes(std::span<const std::uint8_t> file, int fileFormat, ImageOpenOptions options)
{
    if (fileFormat != FF_AUTODETECT)
        return nullptr;
    PixelCanvas canvas(std::move(options.recycled), std::min(options.maxPixels, kMaxImagePixels));
    if (options.findChannelRange)
        canvas.trackChannelRange();
    canvas.setFitWithin(options.fitWithin);
    bool decoded = false;
    switch (SniffImageFormat(file)) {
    case ImageFormat::Jpeg: decoded = DecodeJpeg(file, canvas); break;
    case ImageFormat::Png: decoded = DecodePng(file, canvas); break;
    case ImageFormat::Gif: decoded = DecodeGif(file, canvas); break;
    case ImageFormat::Bmp: decoded = DecodeBmp(file, canvas); break;
    case ImageFormat::Webp: decoded = DecodeWebp(file, canvas); break;
    case ImageFormat::Avif: decoded = DecodeAvif(file, canvas); break;
    case ImageFormat::Jxl: decoded = DecodeJxl(file, canvas); break;
    case ImageFormat::Unknown: break;
    }
    if (!decoded || !canvas.allocated())
        return nullptr;
    const int width = canvas.width(), height = canvas.height();
    const std::optional<ChannelRange> range = canvas.channelRange();
    auto* image = new Image(width, height, canvas.takeMemory());
    image->setChannelRange(range);
    return image;
}

Image* CorOpenImage(const QString& path, int fileFormat, ImageOpenOptions options)
{
    if (fileFormat != FF_AUTODETECT)
        return nullptr;
    const std::optional<std::vector<std::uint8_t>> file = ReadImageFile(path);
    if (!file)
        return nullptr;
    return CorOpenImageBytes(*file, fileFormat, std::move(options));
}

Image* CorConvertImage(Image* image, int pixelFormat)
{
    if (!image)
        return nullptr;
    if (pixelFormat == image->getFormat())
        return image;
    image->destroy();
    return nullptr;
}

bool CorFlipImage(Image* image, int axes)
{
    if (!image || !image->getPixels())
        return false;
    auto* pixels = static_cast<std::uint32_t*>(image->getPixels());
    const std::size_t width = std::size_t(image->getWidth()), height = std::size_t(image->getHeight());
    if ((axes & CA_X) && (axes & CA_Y)) {
        std::reverse(pixels, pixels + width * height);
    } else if (axes & CA_X) {
        for (std::size_t y = 0; y < height; ++y)
            std::reverse(pixels + y * width, pixels + (y + 1) * width);
    } else if (axes & CA_Y) {
        for (std::size_t top = 0, bottom = height - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(pixels + top * width, pixels + (top + 1) * width, pixels + bottom * width);
    }
    return true;
}
