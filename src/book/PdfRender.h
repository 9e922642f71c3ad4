// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One PDF page rendered to fit the view; Poppler's types show only to the book layer's PDF files.

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <atomic>

namespace Poppler {
class Page;
} // namespace Poppler

// Pixels per point that fit a page of `pagePoints` into `box` (device pixels); a box of height 0 fits
// the width alone. The page never exceeds kLargestPdfPagePixels, and a box without a width gives the
// page at 150 pixels per inch.
inline constexpr double kLargestPdfPagePixels = 40e6;
double PdfRenderScale(QSizeF pagePoints, QSize box);

// Whether a page made `made` pixels large for `madeFor` must be made again for `box` (boxes in device
// pixels, a height of 0 fitting the width): the fit mode changed, or the page would be drawn more than
// 10 % larger than it was made, or under half its size (memory and decoding spent for nothing).
bool PdfBoxNeedsRender(QSize made, QSize madeFor, QSize box);

// Above this scale (150 pixels per inch) a page is asked whether it is a scan, whose image's own
// resolution is then the most it is rendered at; below it, a page never costs more than the view's pixels.
inline constexpr double kScanCheckScale = 150.0 / 72.0;

// The page at the scale that fits `box`, but no more than `largestScale`, with antialiased text and
// vector art (the document's render hints); a null image when it can't be rendered or `cancelled` was
// set on the way.
QImage RenderPdfPage(const Poppler::Page& page, QSize box, const std::atomic<bool>& cancelled,
                     double largestScale = kLargestPdfPagePixels);
