// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page (or a joined pair) made as small as the view will show it.

#include "image/PageImage.h"

#include <QSize>

// Reduces `page` to fit within `box` (nothing when the box is empty or the page already fits) with the
// same averaging the view's smooth copy uses, so the reduced page looks like the full one shown fitted.
// A page that reaches the box is marked `reduced` (and only such a page): it may have been larger, and
// zoom needs it whole.
// False when the smaller copy could not be made; the page is then empty.
bool ReducePageWithin(PageImage& page, QSize box);
