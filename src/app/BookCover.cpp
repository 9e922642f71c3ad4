// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BookCover.h"

#include "common/BookCacheFolder.h"

#include <QImageReader>
#include <QPainter>

namespace {
// A plain card with a darker spine: a book without its cover yet.
void paintPlaceholder(QPainter& painter, QSize size)
{
    const QRect card(QPoint(0, 0), size);
    painter.fillRect(card, QColor(0x5a, 0x5f, 0x66));
    painter.fillRect(QRect(0, 0, qMax(2, size.width() / 12), size.height()), QColor(0x3c, 0x40, 0x45));
    painter.setPen(QColor(0x80, 0x86, 0x8e));
    painter.drawRect(card.adjusted(0, 0, -1, -1));
}
} // namespace

QImage BookCoverImage(const QString& thumbnailRoot, const QString& canonicalBookPath, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QString folder = BookThumbnailFolder(thumbnailRoot, canonicalBookPath);
    QImage cover;
    if (!folder.isEmpty()) {
        QImageReader reader(folder + QStringLiteral("cover.png"), "png");
        // A cover is small; a huge one is not read whole on the user-interface thread.
        const QSize stored = reader.size();
        if (stored.isValid() && qint64(stored.width()) * stored.height() <= 4096LL * 4096) {
            reader.setScaledSize(stored.scaled(size, Qt::KeepAspectRatio));
            cover = reader.read();
        }
    }
    if (cover.isNull()) {
        paintPlaceholder(painter, size);
        return image;
    }
    painter.drawImage((size.width() - cover.width()) / 2, (size.height() - cover.height()) / 2, cover);
    return image;
}
