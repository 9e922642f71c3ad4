// GIF: the first frame on its logical screen, interlaced or not, with a global or local colour map;
// a GIF without a frame and damaged files fail or show cleanly.

#include "SampleImages.h"

#include <gtest/gtest.h>

using namespace samples;

namespace {

struct GifCase {
    const char* name;
    GifOptions options;
};

void PrintTo(const GifCase& c, std::ostream* os)
{
    *os << c.name;
}

class GifVariant : public ::testing::TestWithParam<GifCase> {};

TEST_P(GifVariant, DeliversTheFirstFrame)
{
    QImage expected;
    const QByteArray file = gif(29, 17, GetParam().options, &expected);
    const QImage ours = decode(file);
    ASSERT_FALSE(ours.isNull());
    EXPECT_TRUE(opaque(ours));
    EXPECT_EQ(maxDifference(ours, expected), 0);
}

INSTANTIATE_TEST_SUITE_P(Gif, GifVariant,
                         ::testing::Values(GifCase{"plain", {}},
                                           GifCase{"interlaced", {0, 0, 0, 0, true, true, true}},
                                           GifCase{"localMap", {0, 0, 0, 0, false, false, true}},
                                           GifCase{"frameInsideScreen", {40, 30, 5, 7, false, true, true}},
                                           GifCase{"interlacedInsideScreen", {40, 30, 11, 13, true, true, true}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GifDecoder, SameAsQtForAFullFrame)
{
    const QByteArray file = gif(33, 20, {});
    EXPECT_EQ(maxDifference(decode(file), decodeWithQt(file)), 0);
}

TEST(GifDecoder, FrameReachingPastTheScreenWidensTheCanvas)
{
    const QImage image = decode(gif(20, 10, {10, 10, 5, 3, false, true, true}));
    EXPECT_EQ(image.size(), QSize(25, 13));
}

TEST(GifDecoder, NoFrameFails)
{
    EXPECT_TRUE(decode(gif(10, 10, {0, 0, 0, 0, false, true, false})).isNull());
}

TEST(GifDecoder, CutShortKeepsTheRowsThatArrived)
{
    for (bool interlaced : {false, true}) {
        QImage expected;
        const QByteArray file = gif(200, 150, {0, 0, 0, 0, interlaced, true, true}, &expected);
        for (qsizetype keep = 6; keep < file.size(); keep += file.size() / 7) {
            const QImage image = decode(file.left(keep));
            if (image.isNull())
                continue;
            EXPECT_EQ(image.size(), QSize(200, 150));
            EXPECT_TRUE(opaque(image));
            EXPECT_EQ(maxDifference(image.copy(0, 0, 200, 1), expected.copy(0, 0, 200, 1)), 0);
        }
        EXPECT_FALSE(decode(file.left(file.size() * 2 / 3)).isNull());
    }
}

} // namespace
