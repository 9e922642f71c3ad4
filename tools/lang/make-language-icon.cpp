// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a language module's icon: three upright bands of colour in a rounded frame, 32 x 32, written as
// PNG. Run by the build for each language, with that language's colours.
//   make-language-icon <out.png> <colour> <colour> <colour>     (colours as "#rrggbb" or "rrggbb")

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: make-language-icon <out.png> <colour> <colour> <colour>\n");
        return 2;
    }
    QColor bands[3];
    for (int i = 0; i < 3; ++i) {
        QString name = QString::fromUtf8(argv[2 + i]);
        bands[i] = QColor::fromString(name.startsWith(u'#') ? name : u'#' + name);
        if (!bands[i].isValid()) {
            std::fprintf(stderr, "make-language-icon: not a colour: %s\n", argv[2 + i]);
            return 2;
        }
    }
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF flag(2.5, 6.5, 27, 19);
    QPainterPath frame;
    frame.addRoundedRect(flag, 3, 3);
    painter.setClipPath(frame);
    for (int i = 0; i < 3; ++i)
        painter.fillRect(QRectF(flag.left() + i * flag.width() / 3, flag.top(), flag.width() / 3, flag.height()),
                         bands[i]);
    painter.setClipping(false);
    painter.setPen(QPen(QColor(60, 60, 70), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(frame);
    painter.end();
    if (!icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "make-language-icon: can't write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
