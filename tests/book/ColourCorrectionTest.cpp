// The normalisation and contrast tables, their worked rows, and the fast normalisation against the
// table it stands for.

#include "book/ColourCorrection.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::uint32_t grey(std::uint8_t v, std::uint8_t fourth = 0xff)
{
    return std::uint32_t(fourth) << 24 | std::uint32_t(v) << 16 | std::uint32_t(v) << 8 | v;
}

TEST(ColourCorrection, ContrastWorkedRows)
{
    const struct {
        int contrastval;
        std::array<int, 6> entries; // at 0, 32, 64, 128, 192, 255
    } rows[] = {
        {64, {0, 8, 32, 129, 224, 255}},         {-64, {0, 64, 91, 128, 165, 255}},
        {127, {0, 0, 0, 178, 255, 255}},         {5000, {0, 0, 0, 178, 255, 255}}, // clamped to 127
        {-127, {128, 128, 128, 128, 128, 128}},  {std::numeric_limits<int>::min(), {128, 128, 128, 128, 128, 128}},
    };
    for (const auto& row : rows) {
        const ColourTable table = ContrastTable(row.contrastval);
        const int at[] = {0, 32, 64, 128, 192, 255};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(table[std::size_t(at[i])], row.entries[std::size_t(i)]) << row.contrastval << " at " << at[i];
    }
    EXPECT_TRUE(IsIdentity(ContrastTable(0)));
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
                pixels.push_back(std::uint32_t(0x5a) << 24 | std::uint32_t(v) << 16 | std::uint32_t(hi + lo - v) << 8 |
                                 std::uint32_t((v * 7) % (hi - lo + 1) + lo));
            std::vector<std::uint32_t> expected = pixels;
            const ChannelRange range{std::uint8_t(lo), std::uint8_t(hi)};
            ApplyColourTable(expected.data(), expected.size(), NormalisationTable(range));
            ApplyNormalisation(pixels.data(), pixels.size(), range);
            ASSERT_EQ(pixels, expected) << lo << ".." << hi;
        }
}

TEST(ColourCorrection, PageCorrectionCases)
{
    const struct {
        const char* name;
        std::vector<std::uint32_t> in;
        bool norm;
        int contrastval;
        std::vector<std::uint32_t> out;
    } cases[] = {
        {"full span unchanged", {grey(0), grey(255), grey(17)}, true, 0, {grey(0), grey(255), grey(17)}},
        {"40..200 stretched", {grey(40), grey(200), grey(120)}, true, 0, {grey(0), grey(255), grey(127)}},
        {"single colour unchanged", {grey(90), grey(90)}, true, 0, {grey(90), grey(90)}},
        {"both off: untouched", {grey(40, 0x12), grey(200)}, false, 0, {grey(40, 0x12), grey(200)}},
        {"fourth byte kept", {grey(40, 0x12), grey(200)}, true, 0, {grey(0, 0x12), grey(255)}},
        {"contrast after normalisation", {grey(40), grey(200), grey(161)}, true, 64, {grey(0), grey(255), grey(224)}},
        {"contrast alone", {grey(64), grey(192)}, false, 64, {grey(32), grey(224)}},
        {"flat grey", {grey(3), grey(250)}, true, -127, {grey(128), grey(128)}},
    };
    for (const auto& c : cases) {
        std::vector<std::uint32_t> pixels = c.in;
        CorrectPageColours(pixels.data(), pixels.size(), c.norm, c.contrastval);
        EXPECT_EQ(pixels, c.out) << c.name;
    }
}

} // namespace
