// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/SkinBitmaps.h"

#include "image/DecodePage.h"

#include <algorithm>

namespace {
QImage doubleSize(const QString& path, const PageImage& partner)
{
    PageImage decoded;
    if (partner.isNull() || !DecodePlainImage(decoded, path) || decoded.pixels.size() != partner.pixels.size() * 2)
        return {};
    return decoded.pixels;
}

QImage enlarged(const QImage& image, int scale)
{
    if (image.isNull() || scale == 1)
        return image;
    return image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
} // namespace

bool LoadSkinBitmaps(SkinBitmaps& bitmaps, const QString& skinDir, Messages& messages)
{
    struct Slot {
        PageImage& image;
        QImage& doubled;
        const char* name;
        const char* failure;
    };
    const Slot files[] = {
        {bitmaps.background, bitmaps.background2x, "background", "Error while loading background file"},
        {bitmaps.elements, bitmaps.elements2x, "elements", "Error while loading elements file"},
        {bitmaps.font, bitmaps.font2x, "font", "Error while loading font file"},
    };
    for (const Slot& slot : files) {
        slot.doubled = QImage();
        if (!DecodePlainImage(slot.image, skinDir + QLatin1String(slot.name) + QStringLiteral(".bmp"))) {
            messages.push_back({QString::fromLatin1(slot.failure), QStringLiteral("Error")});
            return false;
        }
    }
    for (const Slot& slot : files)
        slot.doubled = doubleSize(skinDir + QLatin1String(slot.name) + QStringLiteral("@2x.bmp"), slot.image);
    return true;
}

SkinArt SkinArtForScale(const SkinBitmaps& bitmaps, int scale)
{
    scale = std::clamp(scale, 1, 4);
    const auto pick = [&](const PageImage& image, const QImage& doubled) {
        return scale == 2 && !doubled.isNull() ? doubled : enlarged(image.pixels, scale);
    };
    return {pick(bitmaps.background, bitmaps.background2x), pick(bitmaps.elements, bitmaps.elements2x),
            pick(bitmaps.font, bitmaps.font2x), scale};
}
