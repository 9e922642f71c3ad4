// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The alternative navigation mode: while the left button is held, the page scrolls toward the
// pointer by a fifth of its distance from the press point on every tick of timer 11, and the cursor
// shows the direction.

#include <QPoint>

// The nine direction cursors, numbered as the program's cursor resources.
enum class DirectionCursor {
    Neutral = 104,
    Up = 105,
    Left = 106,
    Down = 123,
    Right = 124,
    UpLeft = 125,
    UpRight = 126,
    DownLeft = 127,
    DownRight = 128,
};

inline constexpr int kAutoScrollTimerId = 11;
inline constexpr int kAutoScrollStartMs = 50;

// The cursor for a step (dx, dy): each axis counts as moving only beyond 3.
DirectionCursor CursorForStep(int dx, int dy);

// Timer 11's period for a vertical step dy. The bands are not symmetric: upward steps reach the faster
// periods sooner.
int AutoScrollPeriod(int dy);

struct AutoScrollTick {
    int dx = 0; // page pixels to scroll this tick
    int dy = 0;
    DirectionCursor cursor = DirectionCursor::Neutral;
    int periodMs = 0; // timer 11's next period; 0 keeps the one it has
    bool scrolls() const { return dx != 0 || dy != 0; }
};

// One tick with the pointer at `pointer` (screen) and the press at `pressPoint`.
AutoScrollTick ComputeAutoScrollTick(QPoint pressPoint, QPoint pointer);
