// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the page view's navigation input keeps between events: the left-button press and the smooth
// wheel scrolling. The timer that runs the scrolling belongs to the page view.

#include <QPoint>

struct NavigationState {
    bool leftDown = false;   // the left button went down in the page view and is still down
    QPoint pressPoint;       // screen position of the press, moved along while dragging
    int smoothDirection = 0; // 1 down, -1 up, 0 idle
    int smoothTarget = 0;    // page row the smooth scrolling is heading for
};
