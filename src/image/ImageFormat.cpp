// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ImageFormat.h"

#include <algorithm>
#include <cstring>

namespace {

bool startsWith(std::span<const std::uint8_t> bytes, const char* magic, std::size_t length)
{
    return bytes.size() >= length && std::memcmp(bytes.data(), magic, length) == 0;
}

// An ISO media file whose brands name AVIF (a still image or a sequence): the major brand or one of the
// compatible brands of the leading "ftyp" box.
bool isAvif(std::span<const std::uint8_t> head)
{
    if (head.size() < 16 || std::memcmp(head.data() + 4, "ftyp", 4) != 0)
        return false;
    const std::size_t boxSize = std::size_t(head[0]) << 24 | head[1] << 16 | head[2] << 8 | head[3];
    const std::size_t end = std::min(boxSize, head.size());
    for (std::size_t at = 8; at + 4 <= end; at += at == 8 ? 8 : 4) // the minor version follows the major brand
        if (std::memcmp(head.data() + at, "avif", 4) == 0 || std::memcmp(head.data() + at, "avis", 4) == 0)
            return true;
    return false;
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
    if (startsWith(head, "RIFF", 4) && head.size() >= 12 && std::memcmp(head.data() + 8, "WEBP", 4) == 0)
        return ImageFormat::Webp;
    // A bare JPEG XL codestream, or one in its container.
    if (startsWith(head, "\xff\x0a", 2) || startsWith(head, "\0\0\0\x0cJXL \r\n\x87\n", 12))
        return ImageFormat::Jxl;
    if (isAvif(head))
        return ImageFormat::Avif;
    // "BM" alone is too weak (a text file may start so): the info header size must be one of the
    // known ones too.
    if (startsWith(head, "BM", 2) && head.size() >= 18) {
        const std::uint32_t size = head[14] | head[15] << 8 | head[16] << 16 | std::uint32_t(head[17]) << 24;
        if (size == 12 || size == 16 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108
            || size == 124)
            return ImageFormat::Bmp;
    }
    return ImageFormat::Unknown;
}
