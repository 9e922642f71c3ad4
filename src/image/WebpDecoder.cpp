// SPDX-License-Identifier: GPL-3.0-or-later
// WebP through libwebp. A still picture decodes straight into the canvas; an animation shows its first
// frame, composed on its canvas by the animation decoder. Alpha is dropped as for PNG: the page shows
// the colours, opaque.

#include "image/Decoders.h"
#include "image/FittedSize.h"

#include <webp/decode.h>
#include <webp/demux.h>

#include <cstring>

namespace {

void makeOpaque(PixelCanvas& canvas)
{
    std::uint32_t* pixels = canvas.pixels();
    const std::size_t count = std::size_t(canvas.width()) * std::size_t(canvas.height());
    for (std::size_t i = 0; i < count; ++i)
        pixels[i] |= 0xff000000u;
}

bool decodeFirstFrame(std::span<const std::uint8_t> file, PixelCanvas& canvas)
{
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options))
        return false;
    options.color_mode = MODE_BGRA;
    options.use_threads = 0;
    const WebPData data{file.data(), file.size()};
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    if (!decoder)
        return false;
    WebPAnimInfo info;
    std::uint8_t* frame = nullptr;
    int timestamp = 0;
    const bool decoded = WebPAnimDecoderGetInfo(decoder, &info) && int(info.canvas_width) == canvas.width()
        && int(info.canvas_height) == canvas.height() && WebPAnimDecoderGetNext(decoder, &frame, &timestamp);
    if (decoded)
        std::memcpy(canvas.pixels(), frame, std::size_t(canvas.width()) * std::size_t(canvas.height()) * 4);
    WebPAnimDecoderDelete(decoder);
    return decoded;
}

// A still picture decoded straight at its fitted size by libwebp's own scaler.
bool decodeScaled(std::span<const std::uint8_t> file, PixelCanvas& canvas)
{
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config))
        return false;
    config.options.use_scaling = 1;
    config.options.scaled_width = canvas.width();
    config.options.scaled_height = canvas.height();
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = reinterpret_cast<std::uint8_t*>(canvas.pixels());
    config.output.u.RGBA.stride = canvas.width() * 4;
    config.output.u.RGBA.size = std::size_t(canvas.width()) * 4 * std::size_t(canvas.height());
    const bool decoded = WebPDecode(file.data(), file.size(), &config) == VP8_STATUS_OK;
    WebPFreeDecBuffer(&config.output);
    return decoded;
}

} // namespace

bool DecodeWebp(std::span<const std::uint8_t> file, PixelCanvas& canvas)
{
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(file.data(), file.size(), &features) != VP8_STATUS_OK)
        return false;
    // The size is checked against the pixel limit before anything of that size is made, by us or by
    // the animation decoder, whose own canvas is as large as the picture.
    if (!canvas.withinLimit(features.width, features.height))
        return false;
    const QSize full(features.width, features.height);
    const QSize fitted = features.has_animation ? full : FittedSize(full, canvas.fitWithin());
    if (!canvas.allocate(fitted.width(), fitted.height()))
        return false;
    if (fitted != full) {
        if (!decodeScaled(file, canvas))
            return false;
    } else if (features.has_animation) {
        if (!decodeFirstFrame(file, canvas))
            return false;
    } else {
        const std::size_t stride = std::size_t(canvas.width()) * 4;
        auto* out = reinterpret_cast<std::uint8_t*>(canvas.pixels());
        if (!WebPDecodeBGRAInto(file.data(), file.size(), out, stride * std::size_t(canvas.height()), int(stride)))
            return false;
    }
    makeOpaque(canvas);
    return true;
}
