// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/PairImage.h"

#include <QPainter>
#include <algorithm>

namespace {
QImage atHeight(const QImage& page, int height)
{
    if (page.height() == height || page.isNull())
        return page;
    return page.scaledToHeight(height, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}
} // namespace

void JoinPair(PageImage& first, const PageImage& second, bool rightToLeft)
{
    if (second.isNull())
        return;
    if (first.isNull()) {
        first.pixels = second.pixels;
        return;
    }
    const int height = std::max(first.height(), second.height());
    const QImage a = atHeight(first.pixels, height);
    const QImage b = atHeight(second.pixels, height);
    const QImage& left = rightToLeft ? b : a;
    const QImage& right = rightToLeft ? a : b;
    QImage joined(left.width() + right.width(), height, QImage::Format_RGB32);
    {
        QPainter painter(&joined);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, left);
        painter.drawImage(left.width(), 0, right);
    }
    first.reset();
    first.pixels = std::move(joined);
}

void TurnHalfway(PageImage& page)
{
    if (!page.isNull())
        page.pixels = page.pixels.mirrored(true, true);
}

bool IsWidePage(const PageImage& page)
{
    return page.width() > page.height();
}
