// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowGrip.h"

#include "app/ViewPlacement.h"

QSize GripResize(QPoint pointer, QSize current)
{
    int dx = pointer.x();
    int dy = pointer.y();
    // The remainders truncate toward zero, so a negative pointer offset is left as it is.
    if (dx % 50 > 0)
        dx += 50 - dx % 50;
    if ((dy - 30) % 50 > 0)
        dy += 50 - (dy - 30) % 50;
    return {dx >= kMinWindowWidth ? dx : current.width(), dy >= kMinWindowHeight ? dy : current.height()};
}
