// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG XL through libjxl. The first frame (an animation's first, composed) comes as 8-bit RGBA straight
// into the canvas and is turned into blue-green-red there; HDR and deeper sources are brought down to
// 8 bits by the decoder; alpha is dropped as for PNG.

#include "image/Decoders.h"

#include <jxl/decode.h>
#include <jxl/decode_cxx.h>

namespace {

void rgbaToBgraOpaque(PixelCanvas& canvas)
{
    std::uint32_t* pixels = canvas.pixels();
    const std::size_t count = std::size_t(canvas.width()) * std::size_t(canvas.height());
    for (std::size_t i = 0; i < count; ++i) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(pixels + i);
        pixels[i] = bgra(p[0], p[1], p[2]);
    }
}

} // namespace

bool DecodeJxl(std::span<const std::uint8_t> file, PixelCanvas& canvas)
{
    JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
    if (!decoder || JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO | JXL_DEC_FULL_IMAGE) != JXL_DEC_SUCCESS
        || JxlDecoderSetInput(decoder.get(), file.data(), file.size()) != JXL_DEC_SUCCESS)
        return false;
    JxlDecoderCloseInput(decoder.get());
    const JxlPixelFormat format{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    for (;;) {
        switch (JxlDecoderProcessInput(decoder.get())) {
        case JXL_DEC_BASIC_INFO: {
            JxlBasicInfo info;
            if (JxlDecoderGetBasicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS || info.xsize > 0x7fffffff
                || info.ysize > 0x7fffffff || !canvas.allocate(int(info.xsize), int(info.ysize)))
                return false;
            break;
        }
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            std::size_t size = 0;
            const std::size_t have = std::size_t(canvas.width()) * std::size_t(canvas.height()) * 4;
            if (!canvas.allocated() || JxlDecoderImageOutBufferSize(decoder.get(), &format, &size) != JXL_DEC_SUCCESS
                || size != have
                || JxlDecoderSetImageOutBuffer(decoder.get(), &format, canvas.pixels(), size) != JXL_DEC_SUCCESS)
                return false;
            break;
        }
        case JXL_DEC_FULL_IMAGE:
            rgbaToBgraOpaque(canvas); // the first frame is all a page shows
            return true;
        default: return false; // an error, or the input ended before a whole frame
        }
    }
}
