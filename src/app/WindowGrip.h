// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The size grip's arithmetic: a resize drag snaps the window to a grid.

#include <QPoint>
#include <QSize>

// The window size for a resize drag whose pointer is `pointer` pixels from the window's top-left corner.
// The width snaps up to a multiple of 50 and the height up to 30 more than a multiple of 50 (negative
// values don't snap); a side that would fall below 400 (width) or 150 (height) keeps its `current` value.
QSize GripResize(QPoint pointer, QSize current);
