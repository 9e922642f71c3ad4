// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Preferences pages' fields and sliders store, as plain functions over values.

#include <QStringView>

// The contrast stored for a slider position: -4..4 is a dead zone around the centre and stores 0.
int ContrastForSlider(int position);

// Where the contrast slider opens: at the stored value, or at -1 for 0 (the centre itself is not a
// position the dead zone would give back).
int ContrastSliderStart(int contrastval);

// The wheel pixels stored for the text of the pixel field: its value when it reads as an unsigned
// number of 1 or more, else 5 (empty, zero or not a number).
int WheelPixelsForField(QStringView text);

// The leading decimal digits of `text` as a number, saturating at INT_MAX; 0 when there are none.
int LeadingNumber(QStringView text);
