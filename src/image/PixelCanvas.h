// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a decoder writes: 32-bit pixels (bytes blue, green, red, 0xff), rows top-down, each row exactly
// width x 4 bytes. The decoder states the size once it has read the header; the canvas refuses sizes
// beyond the pixel limit before any memory is taken.

#include "image/ColourCorrection.h"
#include "image/PixelMemory.h"

#include <QSize>

#include <cstdint>
#include <memory>
#include <optional>

// A page that declares more pixels than this is treated as damaged.
inline constexpr std::int64_t kMaxImagePixels = 100'000'000;

inline constexpr std::uint32_t kOpaqueBlack = 0xff000000u;

inline std::uint32_t bgra(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return 0xff000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
}

class PixelCanvas {
public:
    PixelCanvas(std::shared_ptr<PixelMemory> recycled, std::int64_t maxPixels)
        : m_memory(std::move(recycled)), m_maxPixels(maxPixels)
    {}

    // The box the picture will be shown within (empty: full size). A decoder that can decode at a
    // reduced size (JPEG, WebP) may deliver any size from the full one down to the picture fitted in
    // this box; the others deliver the full size and the caller reduces.
    void setFitWithin(QSize box) { m_fitWithin = box; }
    QSize fitWithin() const { return m_fitWithin; }

    // Whether a picture of that declared size is within the pixel limit, whatever size it is decoded at.
    bool withinLimit(int width, int height) const
    {
        return width > 0 && height > 0 && std::int64_t(width) * height <= m_maxPixels;
    }

    // Takes memory for a width x height image. False for an empty or too large size, or no memory.
    bool allocate(int width, int height);

    bool allocated() const { return m_pixels != nullptr; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    std::uint32_t* pixels() const { return m_pixels; }
    std::uint32_t* row(int y) const { return m_pixels + std::size_t(y) * std::size_t(m_width); }

    // Fills rows first..height-1, for the part a damaged file never delivered.
    void fillRows(int first, std::uint32_t colour);

    // The channel range of the picture, for normalisation, found while the rows are still in the
    // cache: with tracking on, a decoder notes each row once, after its last write. Any fill (a
    // background, a damaged file's rest) gives up, and the range is then found afterwards.
    void trackChannelRange() { m_tracking = true; }
    void noteRow(int y)
    {
        if (m_tracking)
            noteRowRange(y);
    }
    std::optional<ChannelRange> channelRange() const;

    // The memory, given up by the canvas (the decoded image keeps it).
    std::shared_ptr<PixelMemory> takeMemory();

private:
    std::shared_ptr<PixelMemory> m_memory;
    std::int64_t m_maxPixels;
    std::uint32_t* m_pixels = nullptr;
    int m_width = 0;
    int m_height = 0;
    QSize m_fitWithin;
    void noteRowRange(int y);
    bool m_tracking = false;
    bool m_filled = false;
    int m_rowsNoted = 0;
    ChannelRange m_range;
};
