// The image layer's calls: the format comes from the content, bad files of every kind fail, the
// converter and the turn behave as the decoding path expects.

#include "SampleImages.h"
#include "support/TestSupport.h"

#include "book/image/ImageLayer.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace samples;

namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray& file)
{
    return {reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size())};
}

TEST(ImageLayer, FormatComesFromTheContentNotTheName)
{
    ScratchDir dir;
    const QImage source = pattern(12, 9);
    const std::pair<const char*, QByteArray> files[] = {{"page.bmp", jpeg(source)},
                                                        {"page.jpg", png(12, 9)},
                                                        {"page.png", gif(indexedPattern(12, 9, 16))},
                                                        {"page.gif", bmp(source)},
                                                        {"noextension", jpeg(source)}};
    for (const auto& [name, bytes] : files) {
        Image* image = CorOpenImage(dir.write(name, bytes), FF_AUTODETECT);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_EQ(QSize(image->getWidth(), image->getHeight()), QSize(12, 9));
        image->destroy();
    }
}

TEST(ImageLayer, BadFilesFail)
{
    ScratchDir dir;
    QDir().mkpath(dir.file("a.jpg"));
    const QByteArray png8 = png(8, 8);
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

TEST(ImageLayer, PixelLimitAndFormatAreOptions)
{
    const QByteArray file = png(20, 10);
    ImageOpenOptions limit;
    limit.maxPixels = 199;
    EXPECT_EQ(CorOpenImageBytes(bytesOf(file), FF_AUTODETECT, limit), nullptr);
    limit.maxPixels = 200;
    Image* image = CorOpenImageBytes(bytesOf(file), FF_AUTODETECT, limit);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(CorConvertImage(image, PF_B8G8R8A8), image);
    EXPECT_EQ(CorConvertImage(image, 0x201), nullptr) << "any other pixel format destroys the image";
    EXPECT_EQ(CorConvertImage(nullptr, PF_B8G8R8A8), nullptr);
    EXPECT_EQ(CorOpenImageBytes(bytesOf(file), 0), nullptr) << "only detection from the content is offered";
    EXPECT_EQ(CorOpenImage(QString(), 0), nullptr);
}

TEST(ImageLayer, FlipMirrorsAlongTheAxesAsked)
{
    const QImage source = pattern(5, 3);
    const QByteArray file = bmp(source);
    for (const auto& [axes, horizontal, vertical] :
         {std::tuple{CA_X | CA_Y, true, true}, std::tuple{CA_X, true, false}, std::tuple{CA_Y, false, true}}) {
        Image* image = CorOpenImageBytes(bytesOf(file), FF_AUTODETECT);
        ASSERT_TRUE(CorFlipImage(image, axes));
        const QImage flipped(static_cast<const uchar*>(image->getPixels()), 5, 3, 20, QImage::Format_RGB32);
        EXPECT_EQ(maxDifference(flipped, source.mirrored(horizontal, vertical)), 0) << axes;
        image->destroy();
    }
    EXPECT_FALSE(CorFlipImage(nullptr, CA_X | CA_Y));
}

} // namespace
