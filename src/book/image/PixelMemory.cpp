#include "book/image/PixelMemory.h"

#include <cstdlib>
#if defined(_WIN32)
#include <malloc.h>
#endif
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

// `capacity` is a multiple of `alignment`.
std::uint8_t* alignedAllocate(std::size_t alignment, std::size_t capacity)
{
#if defined(_WIN32)
    return static_cast<std::uint8_t*>(_aligned_malloc(capacity, alignment));
#else
    return static_cast<std::uint8_t*>(std::aligned_alloc(alignment, capacity));
#endif
}

void alignedFree(std::uint8_t* data)
{
#if defined(_WIN32)
    _aligned_free(data);
#else
    std::free(data);
#endif
}

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
        data = alignedAllocate(kHugePage, capacity);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        if (data)
            madvise(data, capacity, MADV_HUGEPAGE);
#endif
    } else {
        capacity = (bytes + 63) / 64 * 64;
        data = alignedAllocate(64, capacity);
    }
    if (!data)
        return nullptr;
    auto* block = new (std::nothrow) PixelMemory(data, capacity);
    if (!block) {
        alignedFree(data);
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
    alignedFree(m_data);
}
