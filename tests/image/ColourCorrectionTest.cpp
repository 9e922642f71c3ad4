// SPDX-License-Identifier: GPL-3.0-or-later
// The colour corrections of a page: worked cases of normalisation and contrast, and the fast
// normalisation against the table it stands for.

#include "image/ColourCorrection.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ColourCorrection, PageCorrectionCases)
{
    // Grey pixels whose fourth byte, 0x12, must come through untouched.
    const auto pixelsOf = [](const std::vector<int>& greys) {
        std::vector<std::uint32_t> pixels;
        for (int v : greys)
            pixels.push_back(0x12000000u | std::uint32_t(v) * 0x010101u);
        return pixels;
    };
    const std::vector<int> ramp = {0, 32, 64, 128, 192, 255};
    const struct {
        const char* name;
        std::vector<int> in;
        bool norm;
        int contrastval;
        std::vector<int> out;
    } cases[] = {
        {"full span unchanged", {0, 255, 17}, true, 0, {0, 255, 17}},
        {"40..200 stretched", {40, 200, 120}, true, 0, {0, 255, 127}},
        {"single colour unchanged", {90, 90}, true, 0, {90, 90}},
        {"both off: untouched", {40, 200}, false, 0, {40, 200}},
        {"contrast after normalisation", {40, 200, 161}, true, 64, {0, 255, 224}},
        {"flat grey", {3, 250}, true, -127, {128, 128}},
        // The contrast curve's worked rows; values beyond -127..127 are clamped.
        {"contrast 64", ramp, false, 64, {0, 8, 32, 129, 224, 255}},
        {"contrast -64", ramp, false, -64, {0, 64, 91, 128, 165, 255}},
        {"contrast 127", ramp, false, 127, {0, 0, 0, 178, 255, 255}},
        {"contrast 5000", ramp, false, 5000, {0, 0, 0, 178, 255, 255}},
        {"contrast -127", ramp, false, -127, {128, 128, 128, 128, 128, 128}},
        {"contrast of the smallest int", ramp, false, std::numeric_limits<int>::min(), {128, 128, 128, 128, 128, 128}},
    };
    for (const auto& c : cases) {
        std::vector<std::uint32_t> pixels = pixelsOf(c.in);
        CorrectPageColours(pixels.data(), pixels.size(), c.norm, c.contrastval);
        EXPECT_EQ(pixels, pixelsOf(c.out)) << c.name;
    }
}

TEST(ColourCorrection, ChannelRangeIgnoresTheFourthByteAndSpansAllThreeChannels)
{
    std::vector<std::uint32_t> pixels(1001, 0x00806070); // fourth byte 0 would be a false minimum
    pixels[500] = 0xff30a0c8;
    EXPECT_EQ(FindChannelRange(pixels.data(), pixels.size()), (ChannelRange{0x30, 0xc8}));
    EXPECT_EQ(FindChannelRange(pixels.data(), 3), (ChannelRange{0x60, 0x80}));
}

TEST(ColourCorrection, FastNormalisationEqualsTheTableForEveryRange)
{
    // Every value of every range, in all three channels, with the fourth byte kept.
    std::vector<std::uint32_t> pixels;
    for (int lo = 0; lo < 256; ++lo)
        for (int hi = lo; hi < 256; hi += (hi - lo < 3 || 255 - hi < 3) ? 1 : 7) {
            pixels.clear();
            for (int v = lo; v <= hi; ++v)
                pixels.push_back(std::uint32_t(0x5a) << 24 | std::uint32_t(v) << 16 | std::uint32_t(hi + lo - v) << 8
                                 | std::uint32_t((v * 7) % (hi - lo + 1) + lo));
            // Each byte by the table, one at a time, is the answer every faster form must give.
            const ChannelRange range{std::uint8_t(lo), std::uint8_t(hi)};
            const ColourTable table = NormalisationTable(range);
            std::vector<std::uint32_t> expected = pixels;
            for (std::uint32_t& p : expected)
                p = (p & 0xff000000u) | std::uint32_t(table[(p >> 16) & 0xff]) << 16
                    | std::uint32_t(table[(p >> 8) & 0xff]) << 8 | table[p & 0xff];
            std::vector<std::uint32_t> fast = pixels, portable = pixels, arithmetic = pixels;
            ApplyNormalisation(fast.data(), fast.size(), range);
            ApplyColourTablePortable(portable.data(), portable.size(), table);
            ApplyNormalisationPortable(arithmetic.data(), arithmetic.size(), range);
            ASSERT_EQ(fast, expected) << lo << ".." << hi;
            ASSERT_EQ(portable, expected) << lo << ".." << hi;
            ASSERT_EQ(arithmetic, expected) << lo << ".." << hi;
        }
}

} // namespace
