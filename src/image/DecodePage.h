// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoding one page or skin bitmap file into a PageImage.

#include "image/PageImage.h"

#include <QSize>
#include <QString>

// The colour corrections of the display settings.
struct DecodeOptions {
    bool norm = true;    // stretch the colours to span 0..255
    int contrastval = 0; // -127..127; 0 is off
};

// Decodes `path` (format recognised from the content) into `record`, turned by 180 degrees when
// `flipped`, then corrected. The record is emptied first, so a failure leaves it empty.
// Safe to call from the preload thread for a record the user-interface thread doesn't touch.
// The record's pixel memory is decoded into again when no copy of its QImage is left elsewhere (the
// first write to fresh memory of a page's size costs more than the decoding); a copy still held keeps
// the old pixels untouched. Pages beyond 100 megapixels fail like damaged files.
// With a non-empty `fitWithin` the page comes back fitted within that box (reduced keeping its
// proportions, never enlarged): JPEG and WebP decode at a reduced size, the others decode whole and
// are reduced. The corrections are applied before the last reduction, so a reduced page looks like
// the full page reduced. A reduced page's pixels are its own, not the record's reusable memory; a page
// that reaches the box is marked `reduced`.
bool DecodePage(PageImage& record, const QString& path, bool flipped, const DecodeOptions& options,
                QSize fitWithin = {});

// The same without turning and corrections (skin bitmaps).
bool DecodePlainImage(PageImage& record, const QString& path);
