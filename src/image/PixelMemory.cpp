// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/PixelMemory.h"

#include "common/platform/AlignedMemory.h"

#include <new>

namespace {
constexpr std::size_t kHugePage = std::size_t(2) << 20;
} // namespace

std::shared_ptr<PixelMemory> PixelMemory::allocate(std::size_t bytes)
{
    if (bytes == 0)
        bytes = 1;
    std::uint8_t* data = nullptr;
    std::size_t capacity = bytes;
    if (bytes >= kHugePage) {
        // Whole huge pages, aligned, so the kernel can back the block with them.
        capacity = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        data = AllocateAligned(kHugePage, capacity, true);
    } else {
        capacity = (bytes + 63) / 64 * 64;
        data = AllocateAligned(64, capacity, false);
    }
    if (!data)
        return nullptr;
    auto* block = new (std::nothrow) PixelMemory(data, capacity);
    if (!block) {
        FreeAligned(data);
        return nullptr;
    }
    return std::shared_ptr<PixelMemory>(block);
}

std::shared_ptr<PixelMemory> PixelMemory::reuseOrAllocate(std::shared_ptr<PixelMemory> recycled, std::size_t bytes)
{
    // A block much larger than needed would keep a big page's memory alive behind a small one.
    if (recycled && recycled->capacity() >= bytes && recycled->capacity() / 2 <= bytes + kHugePage)
        return recycled;
    recycled.reset();
    return allocate(bytes);
}

PixelMemory::~PixelMemory()
{
    FreeAligned(m_data);
}
