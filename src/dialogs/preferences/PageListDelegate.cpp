// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/preferences/PageListDelegate.h"

#include "dialogs/OwnerDrawnRow.h"
#include "dialogs/preferences/PageListIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kEntryHeight = 66;
} // namespace

QImage PagesIcon()
{
    QImage icon(kPageIconSize, kPageIconSize, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 60), 2));
    // Two pages meeting at the spine, kept in the upper part so the entry's caption stays clear, each
    // raised a little at its outer edge.
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(24, 8);
        page.lineTo(24 + side * 20, 4);
        page.lineTo(24 + side * 20, 30);
        page.lineTo(24, 34);
        page.closeSubpath();
        painter.setBrush(side < 0 ? QColor(250, 246, 230) : QColor(235, 230, 212));
        painter.drawPath(page);
        painter.setPen(QPen(QColor(120, 120, 140), 1));
        for (int line = 0; line < 4; ++line)
            painter.drawLine(QPointF(24 + side * 5, 14 + line * 5), QPointF(24 + side * 16, 12 + line * 5));
        painter.setPen(QPen(QColor(40, 40, 60), 2));
    }
    return icon;
}

PageListDelegate::PageListDelegate(QObject* parent) : QStyledItemDelegate(parent), m_icon(PagesIcon()) {}

QSize PageListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return {option.rect.width(), kEntryHeight};
}

void PageListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect entry = option.rect;
    const int left = entry.left(), top = entry.top(), right = entry.left() + entry.width();
    const int bottom = entry.top() + entry.height();
    const QRect inset(QPoint(left + 2, top + 1), QPoint(right - 3, bottom - 2));

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    PaintRowBackground(*painter, option, inset);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(12);
    painter->setFont(font);
    const QRect caption(QPoint(left + 2, bottom - 15), QPoint(right - 3, bottom - 2));
    painter->drawText(caption, Qt::AlignHCenter | Qt::AlignVCenter, index.data().toString());
    painter->drawImage(PageIconPosition(left, top, right, bottom), m_icon);
    painter->restore();
}
