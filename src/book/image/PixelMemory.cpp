#include "book/image/PixelMemory.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

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
        data = static_cast<std::uint8_t*>(std::aligned_alloc(kHugePage, capacity));
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        if (data)
            madvise(data, capacity, MADV_HUGEPAGE);
#endif
    } else {
        capacity = (bytes + 63) / 64 * 64;
        data = static_cast<std::uint8_t*>(std::aligned_alloc(64, capacity));
    }
    if (!data)
        return nullptr;
    return std::shared_ptr<PixelMemory>(new (std::nothrow) PixelMemory(data, capacity));
}

std::shared_ptr<PixelMemory> PixelMemory::reuseOrAllocate(std::shared_ptr<PixelMemory> recycled,
                                                          std::size_t bytes)
{
    // A block much larger than needed would keep a big page's memory alive behind a small one.
    if (recycled && recycled->capacity() >= bytes && recycled->capacity() / 2 <= bytes + kHugePage)
        return recycled;
    recycled.reset();
    return allocate(bytes);
}

PixelMemory::~PixelMemory()
{
    std::free(m_data);
}
