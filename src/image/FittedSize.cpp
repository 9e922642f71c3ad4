// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/FittedSize.h"

#include <algorithm>

QSize FittedSize(QSize image, QSize box)
{
    if (box.width() <= 0 || box.height() <= 0 || image.width() <= 0 || image.height() <= 0)
        return image;
    if (image.width() <= box.width() && image.height() <= box.height())
        return image;
    // Whole-number arithmetic, so the same picture in the same box always gets the same size.
    const std::int64_t w = image.width(), h = image.height();
    if (w * box.height() >= h * box.width())
        return QSize(box.width(), int(std::max<std::int64_t>(1, (h * box.width() + w / 2) / w)));
    return QSize(int(std::max<std::int64_t>(1, (w * box.height() + h / 2) / h)), box.height());
}
