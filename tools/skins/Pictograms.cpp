// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictograms.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <map>

namespace skins {
namespace {

using Path = QPainterPath;

Path chevron(bool left)
{
    Path p;
    const qreal tip = left ? 8.5 : 15.5, back = left ? 15.5 : 8.5;
    p.moveTo(back, 5);
    p.lineTo(tip, 12);
    p.lineTo(back, 19);
    return p;
}

Path file()
{
    Path p;
    p.moveTo(14, 2.5);
    p.lineTo(7, 2.5);
    p.quadTo(4.5, 2.5, 4.5, 5);
    p.lineTo(4.5, 19);
    p.quadTo(4.5, 21.5, 7, 21.5);
    p.lineTo(17, 21.5);
    p.quadTo(19.5, 21.5, 19.5, 19);
    p.lineTo(19.5, 8);
    p.closeSubpath();
    p.moveTo(14, 2.5);
    p.lineTo(14, 8);
    p.lineTo(19.5, 8);
    // an arrow out of the page: "open"
    p.moveTo(12, 18);
    p.lineTo(12, 11.5);
    p.moveTo(9.25, 14);
    p.lineTo(12, 11.25);
    p.lineTo(14.75, 14);
    return p;
}

Path folder()
{
    Path p;
    p.moveTo(4.5, 20);
    p.lineTo(19.5, 20);
    p.quadTo(21.5, 20, 21.5, 18);
    p.lineTo(21.5, 9);
    p.quadTo(21.5, 7, 19.5, 7);
    p.lineTo(12.2, 7);
    p.lineTo(9.8, 4);
    p.lineTo(4.5, 4);
    p.quadTo(2.5, 4, 2.5, 6);
    p.lineTo(2.5, 18);
    p.quadTo(2.5, 20, 4.5, 20);
    p.closeSubpath();
    p.moveTo(2.5, 10.5);
    p.lineTo(21.5, 10.5);
    return p;
}

Path history()
{
    Path p;
    const QRectF circle(3, 3, 18, 18);
    p.arcMoveTo(circle, 180);
    p.arcTo(circle, 180, 270); // from the left, down and round to the top
    p.quadTo(7.5, 3, 4.6, 6.6);
    p.moveTo(3.2, 3.5);
    p.lineTo(3.6, 7.6);
    p.lineTo(7.7, 7.4);
    p.moveTo(12, 7.5);
    p.lineTo(12, 12);
    p.lineTo(15.5, 14);
    return p;
}

Path hash()
{
    Path p;
    p.moveTo(4.5, 9);
    p.lineTo(20, 9);
    p.moveTo(4, 15);
    p.lineTo(19.5, 15);
    p.moveTo(10.5, 3.5);
    p.lineTo(8.5, 20.5);
    p.moveTo(15.5, 3.5);
    p.lineTo(13.5, 20.5);
    return p;
}

Path info()
{
    Path p;
    p.addEllipse(QPointF(12, 12), 9.5, 9.5);
    p.moveTo(12, 16.5);
    p.lineTo(12, 11);
    p.moveTo(12, 7.6);
    p.lineTo(12, 7.4);
    return p;
}

Path gear()
{
    Path p;
    const int teeth = 8;
    const qreal inner = 7.2, outer = 10;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * 360.0 / teeth;
        const qreal corners[4][2] = {{inner, a - 13}, {outer, a - 8}, {outer, a + 8}, {inner, a + 13}};
        for (int k = 0; k < 4; ++k) {
            const qreal r = corners[k][0], deg = corners[k][1] * M_PI / 180;
            const QPointF pt(12 + r * std::cos(deg), 12 + r * std::sin(deg));
            if (i == 0 && k == 0)
                p.moveTo(pt);
            else
                p.lineTo(pt);
        }
    }
    p.closeSubpath();
    p.addEllipse(QPointF(12, 12), 3, 3);
    return p;
}

Path fitWidth()
{
    Path p;
    p.moveTo(3, 5);
    p.lineTo(3, 19);
    p.moveTo(21, 5);
    p.lineTo(21, 19);
    p.moveTo(7, 12);
    p.lineTo(17, 12);
    p.moveTo(10, 9);
    p.lineTo(7, 12);
    p.lineTo(10, 15);
    p.moveTo(14, 9);
    p.lineTo(17, 12);
    p.lineTo(14, 15);
    return p;
}

// A half turn: an arc over the top from left to right whose arrow points back down, the page's turn
// through 180 degrees; below it the page's edge.
Path halfTurn()
{
    Path p;
    const QRectF circle(4, 4.5, 16, 16); // centred on (12, 12.5)
    p.arcMoveTo(circle, 180);
    p.arcTo(circle, 180, -180); // over the top, clockwise
    p.moveTo(16.6, 10);
    p.lineTo(20, 13.4);
    p.lineTo(23.2, 10);
    p.moveTo(6, 20);
    p.lineTo(18, 20);
    return p;
}

Path corners()
{
    Path p;
    const qreal a = 3.5, b = 20.5, l = 5.5;
    p.moveTo(a, a + l);
    p.lineTo(a, a);
    p.lineTo(a + l, a);
    p.moveTo(b - l, a);
    p.lineTo(b, a);
    p.lineTo(b, a + l);
    p.moveTo(b, b - l);
    p.lineTo(b, b);
    p.lineTo(b - l, b);
    p.moveTo(a + l, b);
    p.lineTo(a, b);
    p.lineTo(a, b - l);
    return p;
}

Path line(qreal x1, qreal y1, qreal x2, qreal y2)
{
    Path p;
    p.moveTo(x1, y1);
    p.lineTo(x2, y2);
    return p;
}

Path bars()
{
    Path p = line(4.5, 6.5, 19.5, 6.5);
    p.addPath(line(4.5, 12, 19.5, 12));
    p.addPath(line(4.5, 17.5, 19.5, 17.5));
    return p;
}

Path cross()
{
    Path p = line(6.5, 6.5, 17.5, 17.5);
    p.addPath(line(17.5, 6.5, 6.5, 17.5));
    return p;
}

Path glass()
{
    Path p;
    p.addEllipse(QPointF(10.5, 10.5), 7, 7);
    p.addPath(line(15.5, 15.5, 21, 21));
    p.addPath(line(7.5, 10.5, 13.5, 10.5));
    p.addPath(line(10.5, 7.5, 10.5, 13.5));
    return p;
}

const std::map<QString, std::function<Path()>>& actionPaths()
{
    static const std::map<QString, std::function<Path()>> paths = {
        {"open", file},
        {"opendir", folder},
        {"openlast", history},
        {"back", [] { return chevron(true); }},
        {"foward", [] { return chevron(false); }},
        {"jump", hash},
        {"info", info},
        {"option", gear},
        {"stretch", fitWidth},
        {"flip", halfTurn},
        {"fullscreen", corners},
        {"minimize", [] { return line(6, 12, 18, 12); }},
        {"menu", bars},
        {"close", cross},
    };
    return paths;
}

void strokeOnGrid(QPainter& painter, const Path& path, const QRectF& box, const QColor& ink, qreal stroke)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 24.0, box.height() / 24.0);
    painter.setPen(QPen(ink, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

void drawLogo(QPainter& painter, const QRectF& box, const Theme& theme)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 24.0, box.height() / 24.0);
    QLinearGradient tile(0, 0, 0, 24);
    tile.setColorAt(0, theme.accent);
    tile.setColorAt(1, theme.accentDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 6, 6);
    // A speech balloon: the comic book's own mark.
    Path balloon;
    balloon.addEllipse(QRectF(4.5, 5, 15, 11));
    Path tail;
    tail.moveTo(8, 14);
    tail.lineTo(6.5, 19.5);
    tail.lineTo(12.5, 15.2);
    tail.closeSubpath();
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPath(balloon.united(tail));
    painter.setBrush(theme.accentDeep);
    for (const qreal x : {8.5, 12.0, 15.5})
        painter.drawEllipse(QPointF(x, 10.5), 1.25, 1.25);
    painter.restore();
}

void drawGrip(QPainter& painter, const QRectF& box, const Theme& theme)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 12.0, box.height() / 12.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme.ink);
    // Six dots in a triangle towards the corner.
    for (int row = 0; row < 3; ++row)
        for (int col = 2 - row; col < 3; ++col)
            painter.drawEllipse(QPointF(2.5 + col * 3.5, 2.5 + row * 3.5), 1.1, 1.1);
    painter.restore();
}
} // namespace

void DrawActionPictogram(QPainter& painter, const QString& action, const QRectF& box, const QColor& ink, qreal stroke)
{
    const auto& paths = actionPaths();
    if (const auto it = paths.find(action); it != paths.end())
        strokeOnGrid(painter, it->second(), box, ink, stroke);
}

void DrawDecor(QPainter& painter, Decor decor, const QRectF& box, const Theme& theme)
{
    switch (decor) {
    case Decor::Logo: drawLogo(painter, box, theme); break;
    case Decor::Grip: drawGrip(painter, box, theme); break;
    case Decor::ZoomGlass: strokeOnGrid(painter, glass(), box, theme.ink, theme.stroke); break;
    case Decor::Separator: {
        // A hairline that fades out at both ends.
        QLinearGradient fade(box.topLeft(), box.bottomLeft());
        QColor edge = theme.separator;
        edge.setAlpha(0);
        fade.setColorAt(0, edge);
        fade.setColorAt(0.5, theme.separator);
        fade.setColorAt(1, edge);
        painter.fillRect(box, fade);
        break;
    }
    }
}

} // namespace skins
