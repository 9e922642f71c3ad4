// JPEG variants decode to the picture Qt's reader sees, and the damaged ones fail or show cleanly.

#include "SampleImages.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

using namespace samples;

namespace {

struct JpegCase {
    const char* name;
    JpegOptions options;
};

void PrintTo(const JpegCase& c, std::ostream* os)
{
    *os << c.name;
}

class JpegVariant : public ::testing::TestWithParam<JpegCase> {};

TEST_P(JpegVariant, MatchesQtsReader)
{
    const QImage source = pattern(37, 21); // not a multiple of the block size
    const QByteArray file = jpeg(source, GetParam().options);
    const QImage ours = decode(file);
    ASSERT_FALSE(ours.isNull());
    EXPECT_EQ(ours.size(), source.size());
    EXPECT_TRUE(opaque(ours));
    EXPECT_LE(maxDifference(ours, decodeWithQt(file)), 2);
    // And near the original, so the inks of CMYK files aren't read the wrong way round (subsampled
    // colour smears this busy pattern too much to compare).
    if (GetParam().options.subsampling == TJSAMP_444) {
        EXPECT_LE(maxDifference(ours, source), 40);
    }
}

INSTANTIATE_TEST_SUITE_P(Jpeg, JpegVariant,
                         ::testing::Values(JpegCase{"baseline420", {}},
                                           JpegCase{"baseline444", {TJSAMP_444, 95, false, false, false}},
                                           JpegCase{"progressive", {TJSAMP_420, 90, true, false, false}},
                                           JpegCase{"grey", {TJSAMP_GRAY, 90, false, true, false}},
                                           JpegCase{"cmyk", {TJSAMP_444, 95, false, false, true}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JpegDecoder, CutShortShowsTheRestWithoutFailingOrCrashing)
{
    const QByteArray file = jpeg(pattern(64, 64));
    // Every cut leaves either a failure or a whole, opaque picture of the right size.
    for (qsizetype keep : {qsizetype(2), qsizetype(20), file.size() / 3, file.size() / 2, file.size() - 2}) {
        const QImage image = decode(file.left(keep));
        if (!image.isNull()) {
            EXPECT_EQ(image.size(), QSize(64, 64)) << keep;
            EXPECT_TRUE(opaque(image)) << keep;
        }
    }
    EXPECT_FALSE(decode(file.left(file.size() / 2)).isNull()) << "half a baseline file still shows its top";
}

TEST(JpegDecoder, HeaderBeyondThePixelLimitFailsBeforeDecoding)
{
    QByteArray file = jpeg(pattern(16, 16));
    // Patch the frame header to 65000 x 65000 (4.2 gigapixels).
    const qsizetype sof = file.indexOf("\xff\xc0");
    ASSERT_GT(sof, 0);
    file[sof + 5] = char(0xfd);
    file[sof + 6] = char(0xe8);
    file[sof + 7] = char(0xfd);
    file[sof + 8] = char(0xe8);
    EXPECT_TRUE(decode(file).isNull());
}

} // namespace
