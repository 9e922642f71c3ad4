// SPDX-License-Identifier: GPL-3.0-or-later
// WebP, AVIF and JPEG XL pages, written by the libraries' own encoders: told from their content whatever
// their name, alpha dropped, the first frame of an animation, deeper sources brought to 8 bits, the
// pixel limit checked before the pixels, and damaged files failing cleanly.

#include "support/TestSupport.h"

#include "image/DecodePage.h"
#include "image/ImageLayer.h"

#include <avif/avif.h>
#include <jxl/encode.h>
#include <jxl/encode_cxx.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <QImage>

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 24, kHeight = 16;

// Left half red, right half blue, the top rows half transparent: alpha must not show.
QImage picture(QRgb left = qRgb(220, 30, 20), QRgb right = qRgb(20, 40, 210))
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const QRgb c = x < kWidth / 2 ? left : right;
            image.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), y < 4 ? 128 : 255));
        }
    return image;
}

QImage rgba(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGBA8888);
}

QByteArray webp(const QImage& image)
{
    const QImage px = rgba(image);
    std::uint8_t* out = nullptr;
    const std::size_t size = WebPEncodeLosslessRGBA(px.constBits(), px.width(), px.height(), int(px.bytesPerLine()),
                                                    &out);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    WebPFree(out);
    return bytes;
}

QByteArray animatedWebp(const std::vector<QImage>& frames)
{
    WebPAnimEncoderOptions options;
    WebPAnimEncoderOptionsInit(&options);
    WebPAnimEncoder* encoder = WebPAnimEncoderNew(kWidth, kHeight, &options);
    WebPConfig config;
    WebPConfigInit(&config);
    config.lossless = 1;
    int timestamp = 0;
    for (const QImage& frame : frames) {
        const QImage px = rgba(frame);
        WebPPicture pic;
        WebPPictureInit(&pic);
        pic.use_argb = 1;
        pic.width = kWidth;
        pic.height = kHeight;
        WebPPictureImportRGBA(&pic, px.constBits(), int(px.bytesPerLine()));
        WebPAnimEncoderAdd(encoder, &pic, timestamp, &config);
        WebPPictureFree(&pic);
        timestamp += 100;
    }
    WebPAnimEncoderAdd(encoder, nullptr, timestamp, nullptr);
    WebPData data;
    WebPDataInit(&data);
    WebPAnimEncoderAssemble(encoder, &data);
    QByteArray bytes(reinterpret_cast<const char*>(data.bytes), qsizetype(data.size));
    WebPDataClear(&data);
    WebPAnimEncoderDelete(encoder);
    return bytes;
}

QByteArray avif(const QImage& image, int depth)
{
    const QImage px = rgba(image);
    avifImage* yuv = avifImageCreate(kWidth, kHeight, std::uint32_t(depth), AVIF_PIXEL_FORMAT_YUV444);
    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, yuv);
    rgb.format = AVIF_RGB_FORMAT_RGBA;
    rgb.depth = 8;
    rgb.pixels = const_cast<std::uint8_t*>(px.constBits());
    rgb.rowBytes = std::uint32_t(px.bytesPerLine());
    avifImageRGBToYUV(yuv, &rgb);
    avifEncoder* encoder = avifEncoderCreate();
    encoder->speed = AVIF_SPEED_FASTEST;
    encoder->minQuantizer = encoder->maxQuantizer = AVIF_QUANTIZER_LOSSLESS;
    avifRWData out = AVIF_DATA_EMPTY;
    avifEncoderWrite(encoder, yuv, &out);
    QByteArray bytes(reinterpret_cast<const char*>(out.data), qsizetype(out.size));
    avifRWDataFree(&out);
    avifEncoderDestroy(encoder);
    avifImageDestroy(yuv);
    return bytes;
}

// 16 bits per channel, so the decoder must bring it down to 8.
QByteArray jxl(const QImage& image)
{
    const QImage px = image.convertToFormat(QImage::Format_RGBA64);
    JxlEncoderPtr encoder = JxlEncoderMake(nullptr);
    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = kWidth;
    info.ysize = kHeight;
    info.bits_per_sample = 16;
    info.num_extra_channels = 1;
    info.alpha_bits = 16;
    info.uses_original_profile = JXL_TRUE;
    JxlEncoderSetBasicInfo(encoder.get(), &info);
    JxlColorEncoding colour;
    JxlColorEncodingSetToSRGB(&colour, JXL_FALSE);
    JxlEncoderSetColorEncoding(encoder.get(), &colour);
    JxlEncoderFrameSettings* settings = JxlEncoderFrameSettingsCreate(encoder.get(), nullptr);
    JxlEncoderSetFrameLossless(settings, JXL_TRUE);
    const JxlPixelFormat format{4, JXL_TYPE_UINT16, JXL_NATIVE_ENDIAN, 0};
    JxlEncoderAddImageFrame(settings, &format, px.constBits(), std::size_t(px.sizeInBytes()));
    JxlEncoderCloseInput(encoder.get());
    QByteArray bytes(1 << 16, '\0'); // a 24 x 16 picture fits many times over
    auto* next = reinterpret_cast<std::uint8_t*>(bytes.data());
    std::size_t left = std::size_t(bytes.size());
    JxlEncoderProcessOutput(encoder.get(), &next, &left);
    bytes.truncate(bytes.size() - qsizetype(left));
    return bytes;
}

bool near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= 3 && std::abs(qGreen(a) - qGreen(b)) <= 3
        && std::abs(qBlue(a) - qBlue(b)) <= 3 && qAlpha(a) == 255;
}

struct Sample {
    const char* name;
    QByteArray bytes;
};

std::vector<Sample> samples()
{
    // The animation's second frame is green: only its first may show. Over the pixel limit, the
    // animation decoder's own canvas must never be made (fuzzing found it ran out of memory first).
    return {{"webp", webp(picture())},
            {"webp-animation", animatedWebp({picture(), picture(qRgb(0, 200, 0), qRgb(0, 200, 0))})},
            {"avif8", avif(picture(), 8)},
            {"avif10", avif(picture(), 10)},
            {"jxl16", jxl(picture())}};
}

} // namespace

TEST(ModernFormats, DecodeOpaqueWhateverTheirName)
{
    ScratchDir dir;
    for (const Sample& s : samples()) {
        ASSERT_FALSE(s.bytes.isEmpty()) << s.name;
        // Named as another format: the content decides.
        PageImage page;
        ASSERT_TRUE(DecodePlainImage(page, dir.write(QString::fromLatin1(s.name) + ".jpg", s.bytes))) << s.name;
        ASSERT_EQ(page.pixels.size(), QSize(kWidth, kHeight)) << s.name;
        for (const QPoint at : {QPoint(1, 1), QPoint(3, 12)}) // a half-transparent row and an opaque one
            EXPECT_TRUE(near(page.pixels.pixel(at), qRgb(220, 30, 20))) << s.name << " " << at.y();
        EXPECT_TRUE(near(page.pixels.pixel(kWidth - 1, kHeight - 1), qRgb(20, 40, 210))) << s.name;

        // The whole page path: turned by 180 degrees, then normalised (the brightest channel reaches 255).
        ASSERT_TRUE(DecodePage(page, dir.file(QString::fromLatin1(s.name) + ".jpg"), true, DecodeOptions{}));
        EXPECT_EQ(qRed(page.pixels.pixel(kWidth - 1, kHeight - 1)), 255) << s.name;
        EXPECT_GT(qBlue(page.pixels.pixel(0, 0)), qBlue(page.pixels.pixel(kWidth - 1, kHeight - 1))) << s.name;
    }
}

TEST(ModernFormats, ThePixelLimitAndDamageFailCleanly)
{
    for (const Sample& s : samples()) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(s.bytes.constData());
        const std::span file(data, std::size_t(s.bytes.size()));
        ImageOpenOptions small;
        small.maxPixels = kWidth * kHeight - 1;
        EXPECT_EQ(CorOpenImageBytes(file, FF_AUTODETECT, small), nullptr) << s.name;
        // Cut short anywhere: a failure or a picture, never a crash or a read past the end.
        for (const std::size_t keep : {std::size_t(12), file.size() / 3, file.size() - 1}) {
            if (Image* image = CorOpenImageBytes(file.first(keep), FF_AUTODETECT))
                image->destroy();
        }
    }
}
