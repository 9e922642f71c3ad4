// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which decoder a file needs, told from its first bytes; the file name plays no part.

#include <cstdint>
#include <span>

enum class ImageFormat { Unknown, Bmp, Gif, Png, Jpeg, Webp, Avif, Jxl };

ImageFormat SniffImageFormat(std::span<const std::uint8_t> head);
