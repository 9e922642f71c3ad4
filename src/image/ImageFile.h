// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading an image file whole. Only regular files are read (a directory or a pipe named like a page
// is not an image); files whose first bytes are no known image format, and files beyond any image the
// decoders would accept, are refused unread.

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

inline constexpr std::int64_t kMaxImageFileBytes = std::int64_t(1) << 30;

std::optional<std::vector<std::uint8_t>> ReadImageFile(const QString& path);
