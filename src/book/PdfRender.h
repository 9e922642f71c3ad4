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

// The page at the scale that fits `box`, with antialiased text and vector art (the document's render
// hints); a null image when it can't be rendered or `cancelled` was set on the way.
QImage RenderPdfPage(const Poppler::Page& page, QSize box, const std::atomic<bool>& cancelled);
