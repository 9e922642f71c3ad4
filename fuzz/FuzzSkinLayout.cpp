// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a layout.cor, then the skin drawn from whatever the parser kept, on a
// small window with small (or one-pixel) bitmaps. Finds overflows in the coordinate arithmetic, reads
// outside the bitmaps, and layouts that make the drawing loop for ever.

#include "skin/SkinDraw.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinLayoutFile.h"
#include "skin/SkinText.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstddef>
#include <cstdint>

namespace {
QImage coordinates(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, 0x80));
    return image;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const SkinArt small{coordinates({40, 30}), coordinates({40, 30}), coordinates({40, 30}), 1};
    static const SkinArt tiny{coordinates({1, 1}), coordinates({1, 1}), coordinates({1, 1}), 2};
    SkinLayout layout;
    QStringList reports;
    if (!ParseSkinLayout(layout, QByteArrayView(data, qsizetype(size)), reports))
        return 0;
    SkinTexts texts;
    SetSkinText(layout, texts, QStringLiteral("main"), QStringLiteral("PAGE : 3/24 (B.CBZ)"));
    SetSliderValue(layout, u"zoom", 50);

    const SkinArt& art = size % 2 ? tiny : small;
    const QSize window(97, 61);
    QImage picture(window * art.scale, QImage::Format_RGB32);
    QPainter painter(&picture);
    SkinCanvas canvas{painter, art, window};
    DrawSkinRegions(canvas, layout);
    const QPoint point(int(size % 97), int(size % 61));
    DrawSkinElements(canvas, layout, point, false, {});
    DrawSkinElements(canvas, layout, point, true, {true, false});
    DrawSliderDrag(canvas, layout, point.x(), layout.hotSlider);
    ResolveMoveArea(layout.moveArea, window).contains(point);
    ResolveSizeArea(layout.sizeArea, window).contains(point);
    ButtonAt(layout, window, point);
    return 0;
}
