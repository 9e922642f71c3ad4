// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two pages as one picture, for the two-page view.

#include "image/PageImage.h"

// Puts `second` beside `first`, into `first`: no gap, the shorter page scaled to the taller one's height
// so their inner edges meet along their whole height. `rightToLeft` puts the first page on the right.
void JoinPair(PageImage& first, const PageImage& second, bool rightToLeft);

// Turns the page (or the joined pair, as a whole) by 180 degrees.
void TurnHalfway(PageImage& page);

// Wider than high: such a page stands alone in the two-page view.
bool IsWidePage(const PageImage& page);
