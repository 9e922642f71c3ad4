// The image layer's calls: the format comes from the content, bad files of every kind fail, the
// converter and the turn behave as the decoding path expects.

#include "SampleImages.h"
#include "support/TestSupport.h"

#include "book/image/ImageFormat.h"
#include "book/image/ImageLayer.h"

#include <QDir>

#include <gtest/gtest.h>
#include <png.h>

using namespace samples;

namespace {

TEST(ImageLayer, FormatComesFromTheContentNotTheName)
{
    ScratchDir dir;
    const QImage source = pattern(12, 9);
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"page.bmp", jpeg(source)},
        {"page.jpg", png(12, 9, {PNG_COLOR_TYPE_RGB, 8, false, false})},
        {"page.png", gif(12, 9, {})},
        {"page.gif", bmp(source, {})},
        {"noextension", jpeg(source)},
    };
    for (const auto& f : files) {
        Image* image = CorOpenImage(dir.write(f.name, f.bytes), FF_AUTODETECT);
        ASSERT_NE(image, nullptr) << f.name;
        EXPECT_EQ(image->getWidth(), 12);
        EXPECT_EQ(image->getHeight(), 9);
        image->destroy();
    }
}

TEST(ImageLayer, BadFilesFail)
{
    ScratchDir dir;
    QDir().mkpath(dir.file("a.jpg"));
    const QByteArray png8 = png(8, 8, {PNG_COLOR_TYPE_RGB, 8, false, false});
    const struct {
        const char* name;
        QString path;
    } cases[] = {
        {"text named .jpg", dir.write("notes.jpg", "Chapter one: the page list\n")},
        {"text listed as .jpg.txt", dir.write("notes.jpg.txt", "hello")},
        {"zero bytes", dir.write("empty.jpg", QByteArray())},
        {"a directory named a.jpg", dir.file("a.jpg")},
        {"missing", dir.file("missing.png")},
        {"magic only", dir.write("magic.png", png8.left(8))},
        {"png header only", dir.write("header.png", png8.left(33))},
        {"jpeg markers only", dir.write("soi.jpg", QByteArray("\xff\xd8\xff\xd9", 4))},
        {"gif signature only", dir.write("sig.gif", "GIF89a")},
        {"BM and text", dir.write("bm.bmp", "BMP files are bitmaps, this is not one of them")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CorOpenImage(c.path, FF_AUTODETECT), nullptr) << c.name;
}

TEST(ImageLayer, PixelLimitIsAnOption)
{
    const QByteArray file = png(20, 10, {PNG_COLOR_TYPE_RGB, 8, false, false});
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size()));
    ImageOpenOptions small;
    small.maxPixels = 199;
    EXPECT_EQ(CorOpenImageBytes(bytes, FF_AUTODETECT, small), nullptr);
    small.maxPixels = 200;
    Image* image = CorOpenImageBytes(bytes, FF_AUTODETECT, small);
    ASSERT_NE(image, nullptr);
    image->destroy();
    EXPECT_EQ(CorOpenImageBytes(bytes, 0), nullptr) << "only detection from the content is offered";
}

TEST(ImageLayer, ConvertKeepsB8G8R8A8AndRefusesOtherFormats)
{
    EXPECT_EQ(CorConvertImage(nullptr, PF_B8G8R8A8), nullptr);
    const QByteArray file = gif(4, 4, {});
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size()));
    Image* image = CorOpenImageBytes(bytes, FF_AUTODETECT);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(CorConvertImage(image, PF_B8G8R8A8), image);
    EXPECT_EQ(CorConvertImage(image, 0x201), nullptr); // destroys it
}

TEST(ImageLayer, FlipMirrorsAlongTheAxesAsked)
{
    const QImage source = pattern(5, 3);
    const QByteArray file = bmp(source, {});
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size()));
    const struct {
        int axes;
        bool horizontal, vertical;
    } cases[] = {{CA_X | CA_Y, true, true}, {CA_X, true, false}, {CA_Y, false, true}};
    for (const auto& c : cases) {
        Image* image = CorOpenImageBytes(bytes, FF_AUTODETECT);
        ASSERT_TRUE(CorFlipImage(image, c.axes));
        const QImage flipped(static_cast<const uchar*>(image->getPixels()), 5, 3, 20, QImage::Format_RGB32);
        EXPECT_EQ(maxDifference(flipped, source.mirrored(c.horizontal, c.vertical)), 0) << c.axes;
        image->destroy();
    }
    EXPECT_FALSE(CorFlipImage(nullptr, CA_X | CA_Y));
}

TEST(ImageFormat, SniffsTheSignatures)
{
    auto sniff = [](const QByteArray& b) {
        return SniffImageFormat(std::span(reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size())));
    };
    EXPECT_EQ(sniff(QByteArray("\x89PNG\r\n\x1a\n", 8)), ImageFormat::Png);
    EXPECT_EQ(sniff(QByteArray("\xff\xd8\xff\xe0", 4)), ImageFormat::Jpeg);
    EXPECT_EQ(sniff("GIF87a"), ImageFormat::Gif);
    EXPECT_EQ(sniff("GIF89a"), ImageFormat::Gif);
    EXPECT_EQ(sniff(bmp(pattern(2, 2), {})), ImageFormat::Bmp);
    EXPECT_EQ(sniff("BM"), ImageFormat::Unknown);
    EXPECT_EQ(sniff("GIF90a"), ImageFormat::Unknown);
    EXPECT_EQ(sniff(QByteArray()), ImageFormat::Unknown);
}

} // namespace
