#pragma once
// A decoded image: 32-bit pixels, top-down rows, bytes blue, green, red and an unread fourth byte.
// Pages, the preloaded page and the skin bitmaps all use this one type.

#include <QImage>

struct PageImage {
    QImage pixels; // Format_RGB32; null when there is no image

    bool isNull() const { return pixels.isNull(); }
    int width() const { return pixels.width(); }
    int height() const { return pixels.height(); }
    void reset() { pixels = QImage(); }
};
