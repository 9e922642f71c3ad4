// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine auto-scroll cursors, drawn in code: a centre mark with arrows toward where the page moves.

#include "view/AutoScroll.h"

#include <QCursor>
#include <QImage>

// The cursor's picture (32 x 32, hot spot in the middle), for tests and for the cursor itself.
QImage DirectionCursorImage(DirectionCursor cursor);

// The cursor; made once per shape (needs the GUI application).
const QCursor& DirectionCursorShape(DirectionCursor cursor);
