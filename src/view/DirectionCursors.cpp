// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/DirectionCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <map>
#include <vector>

namespace {
constexpr int kSize = 32;

// The arrows of each cursor as unit steps (x right, y down).
std::vector<QPoint> arrowsOf(DirectionCursor cursor)
{
    switch (cursor) {
    case DirectionCursor::Neutral: return {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    case DirectionCursor::Up: return {{0, -1}};
    case DirectionCursor::Down: return {{0, 1}};
    case DirectionCursor::Left: return {{-1, 0}};
    case DirectionCursor::Right: return {{1, 0}};
    case DirectionCursor::UpLeft: return {{-1, -1}};
    case DirectionCursor::UpRight: return {{1, -1}};
    case DirectionCursor::DownLeft: return {{-1, 1}};
    case DirectionCursor::DownRight: return {{1, 1}};
    }
    return {};
}

QPainterPath arrowPath(QPoint step)
{
    const double length = std::hypot(double(step.x()), double(step.y()));
    const QPointF along(step.x() / length, step.y() / length);
    const QPointF across(-along.y(), along.x());
    const QPointF centre(kSize / 2.0, kSize / 2.0);
    const QPointF tip = centre + along * 14.0;
    const QPointF base = centre + along * 7.0;
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(base + across * 5.0);
    path.lineTo(base - across * 5.0);
    path.closeSubpath();
    return path;
}
} // namespace

QImage DirectionCursorImage(DirectionCursor cursor)
{
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(kSize / 2.0, kSize / 2.0), 4.0, 4.0);
    for (QPoint step : arrowsOf(cursor))
        painter.drawPath(arrowPath(step));
    return image;
}

const QCursor& DirectionCursorShape(DirectionCursor cursor)
{
    static std::map<DirectionCursor, QCursor> made;
    auto it = made.find(cursor);
    if (it == made.end())
        it =
            made.emplace(cursor, QCursor(QPixmap::fromImage(DirectionCursorImage(cursor)), kSize / 2, kSize / 2)).first;
    return it->second;
}
