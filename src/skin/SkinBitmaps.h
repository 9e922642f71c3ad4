// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The skin's three bitmaps: background.bmp (the regions), elements.bmp (buttons and sliders) and
// font.bmp (the glyph strips), with an optional double-size set for high-density screens.

#include "common/Message.h"
#include "image/PageImage.h"

#include <QImage>
#include <QString>

struct SkinBitmaps {
    PageImage background, elements, font;
    // background@2x.bmp, elements@2x.bmp and font@2x.bmp: the same art drawn at twice the size, used on
    // screens of two device pixels per window pixel. Each is kept only when it is exactly twice its
    // partner's size; null otherwise.
    QImage background2x, elements2x, font2x;
};

// Loads skinDir + "background.bmp", "elements.bmp" and "font.bmp" in that order (skinDir ends in "/").
// The first that can't be decoded is reported in `messages` ("Error while loading background file" ...),
// its slot is left empty, the later ones are not tried, and the result is false. The double-size set is
// looked for quietly after the three.
bool LoadSkinBitmaps(SkinBitmaps& bitmaps, const QString& skinDir, Messages& messages);

// The three images as drawn at `scale` device pixels per window pixel (1 to 4): the loaded ones at 1, the
// double-size set at 2 when there is one, otherwise the loaded ones enlarged pixel by pixel.
struct SkinArt {
    QImage background, elements, font;
    int scale = 1;
};
SkinArt SkinArtForScale(const SkinBitmaps& bitmaps, int scale);
