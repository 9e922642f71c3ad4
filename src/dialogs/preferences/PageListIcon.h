// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the Preferences page list draws its 48 x 48 icon in an entry.

#include <QPoint>
#include <QRect>

// The dialog font's average character cell, in pixels: dialog units are quarters of its width and
// eighths of its height.
inline constexpr int kDialogBaseX = 6;
inline constexpr int kDialogBaseY = 13;
inline constexpr int kPageIconSize = 48;

// The icon's top-left corner in an entry from (left, top) to (right, bottom): the entry, less its bottom
// 8 pixels, is measured as dialog units, the icon centred in that, and the result scaled back by the
// ratio of the real right and bottom to the measured ones. Integer arithmetic, truncating; an entry
// whose measured right or bottom is 0 keeps the icon at its left and top.
QPoint PageIconPosition(int left, int top, int right, int bottom);
