// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pixel memory for decoded images. A full page is about 35 MB; the first write to each 4 KB page of a
// fresh mapping costs a page fault, which for a page that size takes longer than the decoding itself.
// So large blocks are aligned for transparent huge pages, and a record keeps its block to decode the
// next page into (see PageImage).

#include <cstddef>
#include <cstdint>
#include <memory>

class PixelMemory {
public:
    // A block of at least `bytes` bytes; nullptr when the memory can't be had.
    static std::shared_ptr<PixelMemory> allocate(std::size_t bytes);

    // `recycled` when it is big enough and not wastefully bigger, otherwise a new block.
    static std::shared_ptr<PixelMemory> reuseOrAllocate(std::shared_ptr<PixelMemory> recycled, std::size_t bytes);

    ~PixelMemory();
    PixelMemory(const PixelMemory&) = delete;
    PixelMemory& operator=(const PixelMemory&) = delete;

    std::uint8_t* data() const { return m_data; }
    std::size_t capacity() const { return m_capacity; }

private:
    PixelMemory(std::uint8_t* data, std::size_t capacity) : m_data(data), m_capacity(capacity) {}

    std::uint8_t* m_data;
    std::size_t m_capacity;
};
