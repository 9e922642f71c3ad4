#pragma once
// Decoding one page or skin bitmap file into a PageImage.

#include "book/PageImage.h"

#include <QString>

// The colour corrections of the display settings.
struct DecodeOptions {
    bool norm = true;    // stretch the colours to span 0..255
    int contrastval = 0; // -127..127; 0 is off
};

// Decodes `path` (format recognised from the content) into `record`, turned by 180 degrees when
// `flipped`, then corrected. The record is emptied first, so a failure leaves it empty.
// Safe to call from the preload thread for a record the user-interface thread doesn't touch.
bool DecodePage(PageImage& record, const QString& path, bool flipped, const DecodeOptions& options);

// The same without turning and corrections (skin bitmaps).
bool DecodePlainImage(PageImage& record, const QString& path);
