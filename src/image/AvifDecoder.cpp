// SPDX-License-Identifier: GPL-3.0-or-later
// AVIF through libavif (AV1 by dav1d or whichever decoder libavif was built with). The first image of a
// sequence is shown; deeper sources (10 and 12 bits, HDR) come down to 8 bits per channel; alpha is
// dropped as for PNG.

#include "image/Decoders.h"

#include <avif/avif.h>

#include <memory>

namespace {

struct DecoderDeleter {
    void operator()(avifDecoder* decoder) const { avifDecoderDestroy(decoder); }
};

} // namespace

bool DecodeAvif(std::span<const std::uint8_t> file, PixelCanvas& canvas)
{
    std::unique_ptr<avifDecoder, DecoderDeleter> decoder(avifDecoderCreate());
    if (!decoder)
        return false;
    decoder->maxThreads = 1;
    decoder->ignoreExif = AVIF_TRUE;
    decoder->ignoreXMP = AVIF_TRUE;
    // The size is checked on the canvas below before any pixel memory; this stops libavif's own planes.
    decoder->imageSizeLimit = std::uint32_t(kMaxImagePixels);
    if (avifDecoderSetIOMemory(decoder.get(), file.data(), file.size()) != AVIF_RESULT_OK
        || avifDecoderParse(decoder.get()) != AVIF_RESULT_OK)
        return false;
    const avifImage* header = decoder->image;
    if (header->width > 0x7fffffff || header->height > 0x7fffffff
        || !canvas.allocate(int(header->width), int(header->height)))
        return false;
    if (avifDecoderNextImage(decoder.get()) != AVIF_RESULT_OK)
        return false;
    avifImage* image = decoder->image;
    if (int(image->width) != canvas.width() || int(image->height) != canvas.height())
        return false;

    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, image);
    rgb.format = AVIF_RGB_FORMAT_BGRA;
    rgb.depth = 8;
    rgb.alphaPremultiplied = AVIF_FALSE; // colours as they are, as for a PNG: not darkened by their alpha
    rgb.pixels = reinterpret_cast<std::uint8_t*>(canvas.pixels());
    rgb.rowBytes = std::uint32_t(canvas.width()) * 4;
    if (avifImageYUVToRGB(image, &rgb) != AVIF_RESULT_OK)
        return false;
    for (int y = 0; y < canvas.height(); ++y) {
        std::uint32_t* row = canvas.row(y);
        for (int x = 0; x < canvas.width(); ++x)
            row[x] |= 0xff000000u;
    }
    return true;
}
