// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Memory blocks at an alignment of the caller's choice, for decoded pixels.

#include <cstddef>
#include <cstdint>

// `capacity` bytes (a multiple of `alignment`, a power of two) starting at a multiple of `alignment`;
// nullptr when the memory can't be had. With `hugePages` the system is asked to back the block with
// huge pages, which spares the page faults of a large fresh block.
std::uint8_t* AllocateAligned(std::size_t alignment, std::size_t capacity, bool hugePages);

// Frees a block from AllocateAligned.
void FreeAligned(std::uint8_t* data);
