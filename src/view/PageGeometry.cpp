// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PageGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {
// a * b / c with a 64-bit product, truncated toward zero, saturated to 32 bits: a very long strip of a
// page must not wrap around into a negative size.
std::int32_t mulDiv(std::int64_t a, std::int64_t b, std::int64_t c)
{
    const std::int64_t r = a * b / c;
    return std::int32_t(std::clamp<std::int64_t>(r, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

std::int32_t widthFittedHeight(QSize page, QSize view) // Hw
{
    return mulDiv(page.height(), view.width(), page.width());
}

std::int32_t heightFittedWidth(QSize page, QSize view) // Wh
{
    return mulDiv(page.width(), view.height(), page.height());
}

// One axis of the normal view, the same for columns and rows: a page `pageLength` pixels long drawn
// `scaled` pixels long on a view `viewLength` pixels long, from the offset `scroll` (not negative).
struct NormalSpan {
    int dest, destLength, source, sourceLength;
    std::int32_t scroll; // after the clamps
    bool clamped;        // the offset was lowered to the page's end
};

NormalSpan normalSpan(int pageLength, std::int32_t scaled, int viewLength, std::int32_t scroll)
{
    if (scaled < viewLength) // centred, and nothing to scroll
        return {(viewLength - scaled) / 2, scaled, 0, pageLength, 0, false};
    const std::int32_t grow = scaled - pageLength; // below 0 when a page made larger is drawn smaller
    const std::int32_t shown = viewLength - mulDiv(viewLength, grow, scaled); // the page pixels that fit
    const std::int32_t last = pageLength - shown;
    const std::int32_t from = std::min(scroll, last);
    return {0, viewLength, from, shown, from, scroll > last};
}

std::int32_t zoomed(std::int32_t length, std::int32_t zoom)
{
    return length + mulDiv(length, zoom, 100);
}

bool isEmpty(QSize size)
{
    return size.width() <= 0 || size.height() <= 0;
}

QRect fitPageDest(QSize page, QSize view)
{
    const int IW = page.width(), IH = page.height(), W = view.width(), H = view.height();
    if (IW <= W && IH <= H)
        return QRect((W - IW) / 2, (H - IH) / 2, IW, IH);
    const std::int32_t Hw = widthFittedHeight(page, view);
    if (Hw < H)
        return QRect(0, (H - Hw) / 2, W, Hw);
    const std::int32_t Wh = heightFittedWidth(page, view);
    if (Wh < W)
        return QRect((W - Wh) / 2, 0, Wh, H);
    return QRect(0, 0, W, H);
}
} // namespace

PageLayout LayoutFitPage(QSize page, QSize view, std::int32_t scrollX, std::int32_t scrollY)
{
    PageLayout layout;
    layout.scrollX = scrollX;
    layout.scrollY = scrollY;
    if (isEmpty(page) || isEmpty(view))
        return layout;
    layout.dest = fitPageDest(page, view);
    layout.source = QRect(QPoint(0, 0), page);
    return layout;
}

PageLayout LayoutFitWidth(QSize page, QSize view, std::int32_t scrollX, std::int32_t scrollY)
{
    PageLayout layout;
    layout.scrollX = std::max(scrollX, 0);
    layout.scrollY = std::max(scrollY, 0);
    if (isEmpty(page) || isEmpty(view))
        return layout;
    const int IW = page.width(), IH = page.height(), W = view.width(), H = view.height();
    const std::int32_t Hw = widthFittedHeight(page, view);
    if (Hw < H) {
        layout.dest = QRect(0, (H - Hw) / 2, W, Hw);
        layout.source = QRect(0, 0, IW, IH);
        return layout;
    }
    const std::int32_t srcH = mulDiv(IH, H, Hw);
    if (layout.scrollY > IH - srcH) {
        layout.scrollY = IH - srcH;
        layout.stopSmoothScroll = true;
    }
    layout.dest = QRect(0, 0, W, H);
    layout.source = QRect(0, layout.scrollY, IW, srcH);
    return layout;
}

namespace {
PageLayout layoutNormalSpans(QSize page, QSize view, QSize scaled, std::int32_t scrollX, std::int32_t scrollY)
{
    PageLayout layout;
    layout.scrollX = std::max(scrollX, 0);
    layout.scrollY = std::max(scrollY, 0);
    if (isEmpty(page) || isEmpty(view) || isEmpty(scaled))
        return layout;
    const NormalSpan x = normalSpan(page.width(), scaled.width(), view.width(), layout.scrollX);
    const NormalSpan y = normalSpan(page.height(), scaled.height(), view.height(), layout.scrollY);
    layout.scrollX = x.scroll;
    layout.scrollY = y.scroll;
    layout.stopSmoothScroll = y.clamped;
    layout.dest = QRect(x.dest, y.dest, x.destLength, y.destLength);
    layout.source = QRect(x.source, y.source, x.sourceLength, y.sourceLength);
    return layout;
}
} // namespace

PageLayout LayoutNormalView(QSize page, QSize view, std::int32_t zoom, std::int32_t scrollX, std::int32_t scrollY)
{
    return layoutNormalSpans(page, view, QSize(zoomed(page.width(), zoom), zoomed(page.height(), zoom)), scrollX,
                             scrollY);
}

QSize MadeForViewSize(QSize page, QSize view, bool wstretched, std::int32_t zoom)
{
    if (isEmpty(page) || isEmpty(view))
        return QSize();
    const std::int32_t Hw = widthFittedHeight(page, view);
    const QSize fitted = wstretched || Hw <= view.height() ? QSize(view.width(), Hw)
                                                           : QSize(heightFittedWidth(page, view), view.height());
    const QSize scaled(zoomed(fitted.width(), zoom), zoomed(fitted.height(), zoom));
    const QSize off = scaled - page;
    if (std::abs(off.width()) <= 2 && std::abs(off.height()) <= 2)
        return page;
    return scaled;
}

QSize MadeForViewBox(QSize view, const PageViewMode& mode)
{
    const QSize box = mode.wstretched ? QSize(view.width(), 0) : view;
    if (mode.stretched)
        return box;
    return QSize(zoomed(box.width(), mode.zoom), zoomed(box.height(), mode.zoom));
}

PageLayout LayoutPage(QSize page, QSize view, const PageViewMode& mode, std::int32_t scrollX, std::int32_t scrollY)
{
    if (!mode.stretched && mode.madeForView)
        return layoutNormalSpans(page, view, MadeForViewSize(page, view, mode.wstretched, mode.zoom), scrollX, scrollY);
    if (!mode.stretched)
        return LayoutNormalView(page, view, mode.zoom, scrollX, scrollY);
    return mode.wstretched ? LayoutFitWidth(page, view, scrollX, scrollY) : LayoutFitPage(page, view, scrollX, scrollY);
}

ViewStep StepOneView(QSize page, QSize view, const PageViewMode& mode, std::int32_t scrollX, std::int32_t scrollY,
                     bool down)
{
    if (isEmpty(page) || isEmpty(view))
        return {true, scrollY};
    const PageLayout now = LayoutPage(page, view, mode, scrollX, scrollY);
    if (now.source.height() >= page.height())
        return {true, now.scrollY}; // the whole height is shown (a fitted page keeps any offset)
    // The offset counts page rows: one view is the band of rows it shows.
    const std::int64_t band = std::max(now.source.height(), 1);
    const std::int64_t wanted = std::int64_t(now.scrollY) + (down ? band : -band);
    const std::int32_t target = std::int32_t(std::clamp<std::int64_t>(wanted, 0, page.height()));
    const PageLayout next = LayoutPage(page, view, mode, scrollX, target);
    if (next.scrollY == now.scrollY)
        return {true, now.scrollY};
    return {false, next.scrollY};
}

std::int32_t QuarterTurnsAfter(std::int32_t turns, std::int32_t delta)
{
    return std::int32_t(((std::int64_t(turns) + delta) % 4 + 4) % 4);
}

QSize ScaledPageCacheSize(QSize page, QSize view, bool wstretched)
{
    if (isEmpty(page) || isEmpty(view))
        return QSize();
    if (wstretched)
        return QSize(view.width(), widthFittedHeight(page, view));
    return fitPageDest(page, view).size();
}

std::int32_t ScaledPageBandTop(QSize page, QSize cacheSize, std::int32_t srcY, std::int32_t bandHeight)
{
    if (isEmpty(page))
        return 0;
    const std::int32_t top = mulDiv(cacheSize.height(), srcY, page.height());
    // Rounding can put the last band a row or two past the cache's end when the page was enlarged.
    return std::clamp(top, 0, std::max(cacheSize.height() - bandHeight, 0));
}
