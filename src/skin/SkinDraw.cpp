// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/SkinDraw.h"

#include "skin/SkinGeometry.h"
#include "skin/SkinText.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>

namespace {

// Source and destination in 64 bits: the layout's numbers may be anything.
struct Piece {
    std::int64_t srcX, srcY, width, height;
};

// Copies `piece` of the image (in window pixels of the art's scale) with its top-left at (x, y), leaving
// out whatever part lies outside the image.
void copyPiece(SkinCanvas& canvas, const QImage& image, Piece piece, std::int64_t x, std::int64_t y)
{
    const int s = canvas.art.scale;
    const std::int64_t sx = piece.srcX * s, sy = piece.srcY * s;
    const std::int64_t x1 = std::max<std::int64_t>(sx, 0), y1 = std::max<std::int64_t>(sy, 0);
    const std::int64_t x2 = std::min<std::int64_t>(sx + piece.width * s, image.width());
    const std::int64_t y2 = std::min<std::int64_t>(sy + piece.height * s, image.height());
    if (piece.width <= 0 || piece.height <= 0 || x1 >= x2 || y1 >= y2)
        return;
    const std::int64_t dx = x * s + (x1 - sx), dy = y * s + (y1 - sy);
    const QRect target(QPoint(0, 0), canvas.window * s);
    if (dx >= target.right() + 1 || dy >= target.bottom() + 1 || dx + (x2 - x1) <= 0 || dy + (y2 - y1) <= 0)
        return;
    canvas.painter.drawImage(QPoint(int(dx), int(dy)), image, QRect(int(x1), int(y1), int(x2 - x1), int(y2 - y1)));
}

// Scales `piece` onto `target` (window pixels); the part of the piece inside the image goes to the
// matching part of the target.
void scalePiece(SkinCanvas& canvas, const QImage& image, Piece piece, const QRect& target)
{
    if (piece.width <= 0 || piece.height <= 0 || target.isEmpty())
        return;
    const int s = canvas.art.scale;
    const double sx = double(piece.srcX) * s, sy = double(piece.srcY) * s;
    const double sw = double(piece.width) * s, sh = double(piece.height) * s;
    const double x1 = std::max(sx, 0.0), y1 = std::max(sy, 0.0);
    const double x2 = std::min(sx + sw, double(image.width())), y2 = std::min(sy + sh, double(image.height()));
    if (x1 >= x2 || y1 >= y2)
        return;
    const double kx = double(target.width()) * s / sw, ky = double(target.height()) * s / sh;
    const QRectF to(target.x() * s + (x1 - sx) * kx, target.y() * s + (y1 - sy) * ky, (x2 - x1) * kx, (y2 - y1) * ky);
    // Only the part over the window is drawn (the painter would walk all of a target reaching far past
    // it); the source follows the same mapping.
    const QRectF shown = to & QRectF(QPointF(0, 0), QSizeF(canvas.window * s));
    if (shown.isEmpty())
        return;
    const QRectF from(x1 + (shown.x() - to.x()) / kx, y1 + (shown.y() - to.y()) / ky, shown.width() / kx,
                      shown.height() / ky);
    canvas.painter.drawImage(shown, image, from);
}

// Whole tiles of `piece` from the target's top-left; the remainder is not drawn. Only the tiles over the
// window are visited, and many of them are painted as one patterned fill.
void tilePiece(SkinCanvas& canvas, const QImage& image, Piece piece, const QRect& target)
{
    if (piece.width > kSkinCoordLimit || piece.height > kSkinCoordLimit)
        return; // wider than any target
    const QSize grid = TileGrid(target.size(), QSize(int(piece.width), int(piece.height)));
    if (grid.isEmpty())
        return;
    const auto firstLast = [](std::int64_t start, std::int64_t step, int count, int extent) {
        const std::int64_t first = start >= 0 ? 0 : (-start) / step;
        const std::int64_t last = std::min<std::int64_t>(count, (extent - start + step - 1) / step);
        return std::pair{first, std::max(first, last)};
    };
    const auto [c0, c1] = firstLast(target.x(), piece.width, grid.width(), canvas.window.width());
    const auto [r0, r1] = firstLast(target.y(), piece.height, grid.height(), canvas.window.height());
    // A few tiles, or tiles larger than the window, are copied one by one (a tile larger than the window
    // is never repeated more than the window's extent in pixels).
    const int s = canvas.art.scale;
    if ((c1 - c0) * (r1 - r0) <= 64 || piece.width > canvas.window.width() || piece.height > canvas.window.height()) {
        for (std::int64_t r = r0; r < r1; ++r)
            for (std::int64_t c = c0; c < c1; ++c)
                copyPiece(canvas, image, piece, target.x() + c * piece.width, target.y() + r * piece.height);
        return;
    }
    // Many small tiles: one tile image (transparent where the piece leaves the bitmap) as a brush.
    const std::int64_t sx = piece.srcX * s, sy = piece.srcY * s, sw = piece.width * s, sh = piece.height * s;
    const std::int64_t x1 = std::max<std::int64_t>(sx, 0), y1 = std::max<std::int64_t>(sy, 0);
    const std::int64_t x2 = std::min<std::int64_t>(sx + sw, image.width());
    const std::int64_t y2 = std::min<std::int64_t>(sy + sh, image.height());
    if (x1 >= x2 || y1 >= y2)
        return; // no pixel of the piece is in the bitmap
    const QRect inside(int(x1), int(y1), int(x2 - x1), int(y2 - y1));
    QImage tile;
    if (inside.size() == QSize(int(sw), int(sh))) {
        tile = image.copy(inside);
    } else {
        tile = QImage(int(sw), int(sh), QImage::Format_ARGB32_Premultiplied);
        tile.fill(Qt::transparent);
        QPainter part(&tile);
        part.drawImage(QPoint(int(x1 - sx), int(y1 - sy)), image, inside);
    }
    // A pattern of a few pixels fills slowly, pixel by pixel; repeated into a tile of some 128 pixels a
    // side it fills in runs.
    const int across = std::max(1, 128 / tile.width()), down = std::max(1, 128 / tile.height());
    if (across > 1 || down > 1) {
        QImage larger(tile.width() * across, tile.height() * down, tile.format());
        QPainter repeat(&larger);
        repeat.setCompositionMode(QPainter::CompositionMode_Source);
        repeat.fillRect(larger.rect(), QBrush(tile));
        repeat.end();
        tile = std::move(larger);
    }
    const std::int64_t left = target.x() + c0 * piece.width, top = target.y() + r0 * piece.height;
    const QRect fill(int(left * s), int(top * s), int((c1 - c0) * piece.width * s), int((r1 - r0) * piece.height * s));
    canvas.painter.setBrushOrigin(fill.topLeft());
    canvas.painter.fillRect(fill, QBrush(tile));
}

void drawButton(SkinCanvas& canvas, const SkinButton& button, const QRect& at, bool down)
{
    copyPiece(canvas, canvas.art.elements,
              {button.srcX, std::int64_t(button.srcY) + (down ? button.height : 0), button.width, button.height},
              at.x(), at.y());
}

void drawSlider(SkinCanvas& canvas, const SkinSlider& slider, const QRect& at, bool pressedKnob)
{
    const std::int64_t w = slider.width, h = slider.height;
    if (w <= 0 || h <= 0)
        return;
    const std::int64_t v = std::clamp<std::int64_t>(slider.value, 0, w);
    const QImage& image = canvas.art.elements;
    copyPiece(canvas, image, {slider.srcX + v, slider.srcY, w - v, h}, at.x() + v, at.y());
    copyPiece(canvas, image, {slider.srcX, slider.srcY + h, v, h}, at.x(), at.y());
    copyPiece(canvas, image, {slider.srcX + w, slider.srcY + (pressedKnob ? h : 0), h, h},
              at.x() + std::int64_t(slider.knob) - 5, at.y());
}

// The characters the strip has no cell for, in the system font as tall as a cell fits, in the strip's
// ink, each squeezed across into its cells when wider; nothing past the cells the field draws.
void drawSystemGlyphs(SkinCanvas& canvas, const SkinText& text, const QRect& at, int cells)
{
    if (text.systemGlyphs.empty() || text.cellHeight <= 0)
        return;
    const int s = canvas.art.scale;
    const QRect strip(text.srcX * s, text.srcY * s, kSkinGlyphCells * text.cellWidth * s, text.cellHeight * s);
    QFont font = QGuiApplication::font();
    font.setPixelSize(std::max(1, text.cellHeight * s));
    while (QFontMetrics(font).height() > text.cellHeight * s && font.pixelSize() > text.cellHeight * s / 2)
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetricsF metrics(font);
    QPainter& painter = canvas.painter;
    painter.save();
    painter.setFont(font);
    painter.setPen(GlyphInk(canvas.art.font, strip));
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(QRect(at.x() * s, at.y() * s, cells * text.cellWidth * s, text.cellHeight * s));
    for (const SkinSystemGlyph& glyph : text.systemGlyphs) {
        if (glyph.cell >= cells)
            break;
        const QRectF room((at.x() + glyph.cell * text.cellWidth) * s, at.y() * s, glyph.cells * text.cellWidth * s,
                          text.cellHeight * s);
        const qreal width = std::max<qreal>(metrics.horizontalAdvance(glyph.text), 1);
        const qreal squeeze = std::min<qreal>(1, room.width() / width);
        painter.save();
        painter.translate(room.center().x() - width * squeeze / 2, room.top());
        painter.scale(squeeze, 1);
        painter.drawText(QRectF(0, 0, width, room.height()), Qt::AlignLeft | Qt::AlignVCenter, glyph.text);
        painter.restore();
    }
    painter.restore();
}

void drawText(SkinCanvas& canvas, const SkinText& text)
{
    const QRect at = ResolveTextField(text, canvas.window);
    const int cells = TextCellCount(TextFieldWidth(text, canvas.window), text.cellWidth);
    for (int j = 0; j < cells; ++j)
        copyPiece(
            canvas, canvas.art.font,
            {text.srcX + std::int64_t(text.glyphs[j]) * text.cellWidth, text.srcY, text.cellWidth, text.cellHeight},
            at.x() + std::int64_t(j) * text.cellWidth, at.y());
    drawSystemGlyphs(canvas, text, at, cells);
}

QRect sliderRect(const SkinSlider& slider, QSize window)
{
    return ResolveElement(slider.x, slider.y, slider.width, slider.height, window);
}

} // namespace

void DrawSkinRegions(SkinCanvas& canvas, const SkinLayout& layout)
{
    const QImage& image = canvas.art.background;
    for (const SkinRegion& region : layout.regions.records) {
        const QRect target = ResolveRegion(region, canvas.window);
        const Piece piece{region.srcX, region.srcY, region.srcWidth, region.srcHeight};
        if (region.stretch != 0)
            scalePiece(canvas, image, piece, target);
        else
            tilePiece(canvas, image, piece, target);
    }
}

void DrawSkinElements(SkinCanvas& canvas, SkinLayout& layout, QPoint point, bool released, SkinPress press)
{
    layout.hotButton = -1;
    for (int i = 0; i < int(layout.buttons.records.size()); ++i) {
        const SkinButton& button = layout.buttons.records[i];
        const QRect at = ResolveElement(button.x, button.y, button.width, button.height, canvas.window);
        const bool hot = ElementContains(at, point);
        drawButton(canvas, button, at, hot && !released);
        if (hot)
            layout.hotButton = i;
    }
    if (press.pressed || press.sliderActive)
        return;
    layout.hotSlider = -1;
    for (int i = 0; i < int(layout.sliders.records.size()); ++i) {
        SkinSlider& slider = layout.sliders.records[i];
        const QRect at = sliderRect(slider, canvas.window);
        const bool hot = ElementContains(at, point);
        if (hot) {
            slider.value = point.x() - at.x();
            slider.knob = SliderKnobFor(slider.value, slider.width);
            layout.hotSlider = i;
        }
        drawSlider(canvas, slider, at, hot);
    }
    for (const SkinText& text : layout.texts.records)
        drawText(canvas, text);
}

void DrawSliderDrag(SkinCanvas& canvas, SkinLayout& layout, int px, int index)
{
    if (index < 0 || index >= int(layout.sliders.records.size()))
        return;
    SkinSlider& slider = layout.sliders.records[index];
    const QRect at = sliderRect(slider, canvas.window);
    slider.value = std::int32_t(std::clamp<std::int64_t>(std::int64_t(px) - at.x(), 0, std::max(slider.width, 0)));
    slider.knob = SliderKnobFor(slider.value, slider.width);
    drawSlider(canvas, slider, at, true);
}
