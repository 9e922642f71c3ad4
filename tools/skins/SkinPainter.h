// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a skin design into the files of a skin folder: layout.cor and the three bitmaps, the bitmaps at
// a scale of 1 or 2 (the double-size set). Both scales share one packing, so one layout.cor serves both.

#include "SkinDesign.h"

#include <QByteArray>
#include <QImage>

namespace skins {

struct SkinFiles {
    QByteArray layout;
    QImage background, elements, font;
};

SkinFiles PaintSkin(const SkinDesign& design, int scale);

} // namespace skins
