#pragma once
// A skin folder written by the test: a layout text and three bitmaps whose pixels tell where they came
// from (red = x, green = y of the source pixel, both modulo 256).

#include "TestSupport.h"

#include <QImage>

inline QImage CoordinateImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 255, y & 255, 0x80));
    return image;
}

// Writes dir/<name>/ with `layout` as layout.cor and 800 x 100 coordinate bitmaps; `missing` names a
// bitmap to leave out ("font" ...).
inline QString WriteSkin(const ScratchDir& dir, const QString& name, const QByteArray& layout,
                         const QString& missing = {})
{
    const QString folder = dir.write(name + "/layout.cor", layout).chopped(10);
    for (const char* bitmap : {"background", "elements", "font"})
        if (missing != QLatin1String(bitmap))
            CoordinateImage(800, 100).save(folder + bitmap + ".bmp", "BMP");
    return folder;
}
