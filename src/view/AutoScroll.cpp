// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/AutoScroll.h"

DirectionCursor CursorForStep(int dx, int dy)
{
    const int column = dx < -3 ? 0 : dx > 3 ? 2 : 1;
    const int row = dy < -3 ? 0 : dy > 3 ? 2 : 1;
    static constexpr DirectionCursor kCursors[3][3] = {
        {DirectionCursor::UpLeft, DirectionCursor::Up, DirectionCursor::UpRight},
        {DirectionCursor::Left, DirectionCursor::Neutral, DirectionCursor::Right},
        {DirectionCursor::DownLeft, DirectionCursor::Down, DirectionCursor::DownRight},
    };
    return kCursors[row][column];
}

int AutoScrollPeriod(int dy)
{
    if (dy > -10 && dy <= 20)
        return 50;
    if ((dy > 20 && dy <= 30) || (dy > -20 && dy <= -10))
        return 40;
    if ((dy > 30 && dy <= 40) || (dy > -30 && dy <= -20))
        return 30;
    return 20;
}

AutoScrollTick ComputeAutoScrollTick(QPoint pressPoint, QPoint pointer)
{
    AutoScrollTick tick;
    // Integer division truncates toward zero, so the dead zone is four pixels wide on each side.
    tick.dx = (pointer.x() - pressPoint.x()) / 5;
    tick.dy = (pointer.y() - pressPoint.y()) / 5;
    if (!tick.scrolls())
        return tick; // neutral cursor, the timer keeps its period
    tick.cursor = CursorForStep(tick.dx, tick.dy);
    tick.periodMs = AutoScrollPeriod(tick.dy);
    return tick;
}
