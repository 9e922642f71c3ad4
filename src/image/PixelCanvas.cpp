// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/PixelCanvas.h"

#include <algorithm>

bool PixelCanvas::allocate(int width, int height)
{
    if (m_pixels || width <= 0 || height <= 0)
        return false;
    const std::int64_t count = std::int64_t(width) * height;
    if (count > m_maxPixels)
        return false;
    m_memory = PixelMemory::reuseOrAllocate(std::move(m_memory), std::size_t(count) * 4);
    if (!m_memory)
        return false;
    m_pixels = reinterpret_cast<std::uint32_t*>(m_memory->data());
    m_width = width;
    m_height = height;
    return true;
}

void PixelCanvas::fillRows(int first, std::uint32_t colour)
{
    if (!m_pixels || first >= m_height)
        return;
    m_filled = true;
    first = std::max(first, 0);
    std::fill(row(first), m_pixels + std::size_t(m_width) * std::size_t(m_height), colour);
}

void PixelCanvas::noteRowRange(int y)
{
    ++m_rowsNoted;
    if (m_range.min == 0 && m_range.max == 255)
        return; // nothing can widen it
    const ChannelRange row = FindChannelRange(this->row(y), std::size_t(m_width));
    m_range.min = std::min(m_range.min, row.min);
    m_range.max = std::max(m_range.max, row.max);
}

std::optional<ChannelRange> PixelCanvas::channelRange() const
{
    if (!m_tracking || m_filled || !m_pixels || m_rowsNoted != m_height)
        return std::nullopt;
    return m_range;
}

std::shared_ptr<PixelMemory> PixelCanvas::takeMemory()
{
    m_pixels = nullptr;
    m_width = m_height = 0;
    return std::move(m_memory);
}
