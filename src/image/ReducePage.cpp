// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ReducePage.h"

#include "image/FittedSize.h"

bool ReducePageWithin(PageImage& page, QSize box)
{
    page.reduced = false;
    if (box.isEmpty() || page.isNull())
        return true;
    const QSize fitted = FittedSize(page.pixels.size(), box);
    if (fitted != page.pixels.size()) {
        // Qt's smooth reduction averages every source pixel into its target, like a box filter.
        QImage reduced = page.pixels.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
        page.reset();
        if (reduced.isNull())
            return false;
        page.pixels = std::move(reduced);
    }
    // JPEG and WebP scale while decoding, so a page that only reaches the box may have been larger.
    page.reduced = page.width() >= box.width() || page.height() >= box.height();
    return true;
}
