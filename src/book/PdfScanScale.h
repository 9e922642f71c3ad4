// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a PDF page is a scan (one image over the whole page, nothing drawn over it; the invisible words
// of a scanner's text layer draw nothing) and how many of its image's pixels fall on a point of the
// page: a scan gains nothing from being made any larger.

#include <optional>

namespace Poppler {
class Document;
class Page;
} // namespace Poppler

// Pixels per point of the image that covers `page`; nothing when the page is not made of that one image.
// The page is drawn through Poppler's QPainter output into a device that only notes what is drawn (the
// image is decoded, nothing is painted), the document's renderer set back to its own afterwards; for
// the worker that owns the document only.
std::optional<double> PdfScanScale(Poppler::Document& document, const Poppler::Page& page);
