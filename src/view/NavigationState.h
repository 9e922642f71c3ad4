#pragma once
// What the page view's navigation input keeps between events: the left-button press and the smooth
// wheel scrolling.

#include <QPoint>
#include <QTimer>

struct NavigationState {
    bool leftDown = false;    // the left button went down in the page view and is still down
    QPoint pressPoint;        // screen position of the press, moved along while dragging
    int smoothDirection = 0;  // 1 down, -1 up, 0 idle
    int smoothTarget = 0;     // page row the smooth scrolling is heading for
    QTimer smoothScrollTimer; // the 15 ms SmoothScrollTimer; inactive when idle
    bool smoothTimerConnected = false;
};
