#include "book/image/ImageFormat.h"

#include <cstring>

namespace {

bool startsWith(std::span<const std::uint8_t> bytes, const char* magic, std::size_t length)
{
    return bytes.size() >= length && std::memcmp(bytes.data(), magic, length) == 0;
}

} // namespace

ImageFormat SniffImageFormat(std::span<const std::uint8_t> head)
{
    if (startsWith(head, "\x89PNG\r\n\x1a\n", 8))
        return ImageFormat::Png;
    if (startsWith(head, "\xff\xd8\xff", 3))
        return ImageFormat::Jpeg;
    if (startsWith(head, "GIF87a", 6) || startsWith(head, "GIF89a", 6))
        return ImageFormat::Gif;
    // "BM" alone is too weak (a text file may start so): the info header size must be one of the
    // known ones too.
    if (startsWith(head, "BM", 2) && head.size() >= 18) {
        const std::uint32_t size = head[14] | head[15] << 8 | head[16] << 16 | std::uint32_t(head[17]) << 24;
        if (size == 12 || size == 16 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
            size == 124)
            return ImageFormat::Bmp;
    }
    return ImageFormat::Unknown;
}
