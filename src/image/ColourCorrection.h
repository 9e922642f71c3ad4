// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two colour corrections of the display settings, as tables over byte values, and their
// application to 32-bit pixels (bytes blue, green, red, and a fourth byte left as it is).

#include <array>
#include <cstddef>
#include <cstdint>

using ColourTable = std::array<std::uint8_t, 256>;

// The smallest and the largest of the blue, green and red bytes of all pixels together.
struct ChannelRange {
    std::uint8_t min = 255;
    std::uint8_t max = 0;
    bool operator==(const ChannelRange&) const = default;
};

ChannelRange FindChannelRange(const std::uint32_t* pixels, std::size_t count);

// Stretches `range` over 0..255: entry[v] = (v - min) * 255 / (max - min) for min <= v <= max, 0
// elsewhere; a single-valued range maps its value to itself.
ColourTable NormalisationTable(ChannelRange range);

// The contrast curve for `contrastval` -127..127 (values outside are clamped); 0 gives identity.
ColourTable ContrastTable(int contrastval);

bool IsIdentity(const ColourTable& table);

// Replaces the blue, green and red byte of every pixel by its table entry.
void ApplyColourTable(std::uint32_t* pixels, std::size_t count, const ColourTable& table);

// The same as ApplyColourTable(NormalisationTable(range)) for pixels whose bytes lie within `range`
// (as when the range was found in them), by the fastest means the processor offers.
void ApplyNormalisation(std::uint32_t* pixels, std::size_t count, ChannelRange range);

// The forms every processor runs; where the processor can permute bytes (AVX-512 VBMI) the two calls
// above use that instead, and tests hold both to the same answers.
void ApplyColourTablePortable(std::uint32_t* pixels, std::size_t count, const ColourTable& table);
void ApplyNormalisationPortable(std::uint32_t* pixels, std::size_t count, ChannelRange range);

// Normalisation (when `norm`) then contrast (when `contrastval` is not 0) over a decoded page.
// `knownRange`, when given, is the pixels' channel range found while decoding.
void CorrectPageColours(std::uint32_t* pixels, std::size_t count, bool norm, int contrastval,
                        const ChannelRange* knownRange = nullptr);
