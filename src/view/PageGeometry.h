// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the page lands in the page view in each display mode, and which part of it is shown. Integer
// arithmetic throughout; every division truncates toward zero, so the layout is pixel-exact.
//
// The page is IW x IH pixels, the view W x H. Two sizes serve the stretched views:
//   Hw = IH * W / IW, the page's height when its width is fitted to W;
//   Wh = IW * H / IH, the page's width when its height is fitted to H.

#include <QRect>
#include <QSize>
#include <cstdint>

struct PageLayout {
    QRect dest;               // on the view; everything outside it is black
    QRect source;             // on the page, scaled into dest
    std::int32_t scrollX = 0; // the scroll offset after the clamps; the page view writes them back
    std::int32_t scrollY = 0;
    bool stopSmoothScroll = false; // scrollY was lowered to the page's end
};

struct PageViewMode {
    bool stretched = false;  // the stretched view is on
    bool wstretched = false; // the stretched view fits the width (and scrolls) instead of the page
    std::int32_t zoom = 0;   // 0..100 % added to 100 % in the normal view
    // The page was made for the view (a PDF page, rendered to the size it is wanted at): its own pixels
    // mean nothing to the reader, so the normal view's 100 % is the page fitted to the view (to its
    // width with `wstretched`), and a page made at the zoom's size is drawn 1:1.
    bool madeForView = false;

    bool operator==(const PageViewMode&) const = default;
};

// Fit page: the whole page, never enlarged; shown 1:1 and centred when it fits, else fitted and centred
// along the other axis. The scroll offset is left as it is.
PageLayout LayoutFitPage(QSize page, QSize view, std::int32_t scrollX, std::int32_t scrollY);

// Fit width: the page's width always equals W (small pages are enlarged); a page taller than the view
// when fitted shows a band starting at scrollY.
PageLayout LayoutFitWidth(QSize page, QSize view, std::int32_t scrollX, std::int32_t scrollY);

// Normal view at 100 % + zoom %: an axis the scaled page doesn't fill is centred and its offset forced to
// 0; otherwise the view shows the page columns (rows) that fit, from the offset clamped to the page.
PageLayout LayoutNormalView(QSize page, QSize view, std::int32_t zoom, std::int32_t scrollX, std::int32_t scrollY);

// The size a page made for the view is drawn at in the normal view: fitted to the view (to its width
// with `wstretched`), then grown by `zoom` %; within two pixels of the page's own size, that size, so
// the page made at the zoom's size is drawn 1:1.
QSize MadeForViewSize(QSize page, QSize view, bool wstretched, std::int32_t zoom);

// The box a page made for the view is made to fit (a height of 0 fitting the width): the view, or its
// width with `wstretched`; in the normal view grown by the zoom.
QSize MadeForViewBox(QSize view, const PageViewMode& mode);

// The layout of the current mode. `page` must not be empty.
PageLayout LayoutPage(QSize page, QSize view, const PageViewMode& mode, std::int32_t scrollX, std::int32_t scrollY);

// Space and its reverse: the offset one view further down (`down`) or up, or `turn` when the page's end
// (its top) is shown already and the page turns instead.
struct ViewStep {
    bool turn = false;
    std::int32_t scrollY = 0;
};
ViewStep StepOneView(QSize page, QSize view, const PageViewMode& mode, std::int32_t scrollX, std::int32_t scrollY,
                     bool down);

// The quarter turns (0..3) after turning by `delta` quarter turns (positive: clockwise).
std::int32_t QuarterTurnsAfter(std::int32_t turns, std::int32_t delta);

// The size the scaled-page cache holds the whole page at: W x Hw when fitting the width (even when Hw is
// below H); the fit-page destination size otherwise (IW x IH when the page fits unscaled).
QSize ScaledPageCacheSize(QSize page, QSize view, bool wstretched);

// The first cache row a stretched view shows for the page row srcY: Hw * srcY / IH, kept within a
// cache of `cacheSize` for a band `bandHeight` rows high.
std::int32_t ScaledPageBandTop(QSize page, QSize cacheSize, std::int32_t srcY, std::int32_t bandHeight);
