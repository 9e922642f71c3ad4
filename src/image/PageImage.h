// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A decoded image: 32-bit pixels, top-down rows, bytes blue, green, red and an unread fourth byte.
// Pages, the preloaded page and the skin bitmaps all use this one type.

#include "image/PixelMemory.h"

#include <QImage>

#include <memory>

struct PageImage {
    QImage pixels; // Format_RGB32; null when there is no image

    // The decoder's memory under `pixels`. The record keeps a hold on it so that the next page decoded
    // into this record can reuse it (fresh memory costs more than decoding) once no copy of `pixels`
    // is left anywhere else.
    std::shared_ptr<PixelMemory> memory;

    // Decoded fitted within a box it reached, so it may be smaller than the page file: shown larger
    // than that box, the page must be decoded again at its full size.
    bool reduced = false;

    bool isNull() const { return pixels.isNull(); }
    int width() const { return pixels.width(); }
    int height() const { return pixels.height(); }
    void reset()
    {
        pixels = QImage();
        memory.reset();
        reduced = false;
    }
};
