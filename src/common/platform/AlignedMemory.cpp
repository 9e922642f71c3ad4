// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/AlignedMemory.h"

#include <cstdlib>
#if defined(_WIN32)
#include <malloc.h>
#endif

#if defined(__linux__)
#include <sys/mman.h>
#endif

std::uint8_t* AllocateAligned(std::size_t alignment, std::size_t capacity, [[maybe_unused]] bool hugePages)
{
#if defined(_WIN32)
    return static_cast<std::uint8_t*>(_aligned_malloc(capacity, alignment));
#else
    auto* data = static_cast<std::uint8_t*>(std::aligned_alloc(alignment, capacity));
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (data && hugePages)
        madvise(data, capacity, MADV_HUGEPAGE);
#endif
    return data;
#endif
}

void FreeAligned(std::uint8_t* data)
{
#if defined(_WIN32)
    _aligned_free(data);
#else
    std::free(data);
#endif
}
