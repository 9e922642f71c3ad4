// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/PdfRender.h"

#include <poppler-qt6.h>

#include <algorithm>
#include <cmath>

namespace {
bool shouldAbort(const QVariant& payload)
{
    return reinterpret_cast<const std::atomic<bool>*>(payload.value<quintptr>())->load();
}
} // namespace

double PdfRenderScale(QSizeF pagePoints, QSize box)
{
    if (!(pagePoints.width() > 0) || !(pagePoints.height() > 0))
        return 1.0;
    double scale = 150.0 / 72.0;
    if (box.width() > 0) {
        scale = box.width() / pagePoints.width();
        if (box.height() > 0)
            scale = std::min(scale, box.height() / pagePoints.height());
    }
    const double pixels = pagePoints.width() * pagePoints.height() * scale * scale;
    if (pixels > kLargestPdfPagePixels)
        scale *= std::sqrt(kLargestPdfPagePixels / pixels);
    return scale;
}

QImage RenderPdfPage(const Poppler::Page& page, QSize box, const std::atomic<bool>& cancelled)
{
    const double dpi = 72.0 * PdfRenderScale(page.pageSizeF(), box);
    const QVariant payload = QVariant::fromValue(reinterpret_cast<quintptr>(&cancelled));
    QImage image = page.renderToImage(dpi, dpi, -1, -1, -1, -1, Poppler::Page::Rotate0, nullptr, nullptr, shouldAbort,
                                      payload);
    return cancelled ? QImage() : image;
}
