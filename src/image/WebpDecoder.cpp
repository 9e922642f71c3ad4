// WebP through libwebp. A still picture decodes straight into the canvas; an animation shows its first
// frame, composed on its canvas by the animation decoder. Alpha is dropped as for PNG: the page shows
// the colours, opaque.

#include "image/Decoders.h"

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

} // namespace

bool DecodeWebp(std::span<const std::uint8_t> file, PixelCanvas& canvas)
{
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(file.data(), file.size(), &features) != VP8_STATUS_OK)
        return false;
    // The size is checked against the pixel limit before anything of that size is made, by us or by
    // the animation decoder, whose own canvas is as large as the picture.
    if (!canvas.allocate(features.width, features.height))
        return false;
    if (features.has_animation) {
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
