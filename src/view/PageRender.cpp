// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PageRender.h"

#include <QPainter>

namespace {
void fillOutside(QPainter& painter, QSize view, const QRect& dest)
{
    if (dest.isEmpty()) {
        painter.fillRect(QRect(QPoint(0, 0), view), Qt::black);
        return;
    }
    // Four bands around the page, so no pixel is written twice.
    const int W = view.width(), H = view.height();
    const QRect bands[] = {
        QRect(0, 0, W, dest.top()),
        QRect(0, dest.bottom() + 1, W, H - dest.bottom() - 1),
        QRect(0, dest.top(), dest.left(), dest.height()),
        QRect(dest.right() + 1, dest.top(), W - dest.right() - 1, dest.height()),
    };
    for (const QRect& band : bands)
        if (!band.isEmpty())
            painter.fillRect(band, Qt::black);
}
} // namespace

void DrawPageView(QPainter& painter, QSize view, const QImage& page, const PageLayout& layout, const QImage* cache,
                  bool smooth)
{
    if (page.isNull() || layout.dest.isEmpty() || layout.source.isEmpty()) {
        painter.fillRect(QRect(QPoint(0, 0), view), Qt::black);
        return;
    }
    fillOutside(painter, view, layout.dest);
    if (cache) {
        const int top = ScaledPageBandTop(page.size(), cache->size(), layout.source.y(), layout.dest.height());
        painter.drawImage(layout.dest.topLeft(), *cache, QRect(0, top, layout.dest.width(), layout.dest.height()));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.drawImage(layout.dest, page, layout.source);
}

QImage ScalePage(const QImage& page, QSize size, bool smooth)
{
    if (page.isNull() || size.isEmpty())
        return QImage();
    return page.scaled(size, Qt::IgnoreAspectRatio, smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
}
