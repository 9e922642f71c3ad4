// SPDX-License-Identifier: GPL-3.0-or-later
// One libFuzzer target per format (BV_FUZZ_FORMAT names the decoder): the input is taken as a file of
// that format and goes through the decoder, the 180-degree turn and both colour corrections.

#include "image/ColourCorrection.h"
#include "image/Decoders.h"
#include "image/ImageLayer.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <vector>

#define BV_CONCAT2(a, b) a##b
#define BV_CONCAT(a, b) BV_CONCAT2(a, b)
#define BV_DECODER BV_CONCAT(Decode, BV_FUZZ_FORMAT)

namespace {

// Pages far smaller than the real limit keep each run fast; the size checks are the same code.
constexpr std::int64_t kFuzzMaxPixels = 4'000'000;

[[maybe_unused]] void fixPngChecksums(std::vector<std::uint8_t>& file)
{
    // Random changes nearly always break a chunk's CRC, which stops libpng at that chunk; mending the
    // CRCs lets the mutations reach the pixel data.
    std::size_t at = 8;
    while (at + 12 <= file.size()) {
        const std::uint32_t length = std::uint32_t(file[at]) << 24 | file[at + 1] << 16 | file[at + 2] << 8
            | file[at + 3];
        if (length > file.size() - at - 12)
            break;
        const uLong crc = crc32(0, file.data() + at + 4, uInt(length + 4));
        std::uint8_t* out = file.data() + at + 8 + length;
        out[0] = std::uint8_t(crc >> 24);
        out[1] = std::uint8_t(crc >> 16);
        out[2] = std::uint8_t(crc >> 8);
        out[3] = std::uint8_t(crc);
        at += 12 + length;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> file(data, data + size);
#if defined(BV_FUZZ_PNG_CHECKSUMS)
    fixPngChecksums(file);
#endif
    PixelCanvas canvas(nullptr, kFuzzMaxPixels);
    canvas.trackChannelRange();
    if (!BV_DECODER(file, canvas) || !canvas.allocated())
        return 0;
    const int width = canvas.width(), height = canvas.height();
    const std::optional<ChannelRange> tracked = canvas.channelRange();
    Image* image = new Image(width, height, canvas.takeMemory());
    CorFlipImage(image, CA_X | CA_Y);
    auto* pixels = static_cast<std::uint32_t*>(image->getPixels());
    const std::size_t count = std::size_t(width) * std::size_t(height);
    // Every pixel must have been written (reading them all lets the sanitizers see any that wasn't)
    // and opaque.
    for (std::size_t i = 0; i < count; ++i)
        if ((pixels[i] >> 24) != 0xff)
            __builtin_trap();
    // The range found while decoding is the range of the finished picture.
    if (tracked && !(*tracked == FindChannelRange(pixels, count)))
        __builtin_trap();
    CorrectPageColours(pixels, count, true, int(size % 255) - 127, tracked ? &*tracked : nullptr);
    image->destroy();
    return 0;
}
