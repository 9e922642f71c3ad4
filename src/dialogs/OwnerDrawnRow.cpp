// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/OwnerDrawnRow.h"

#include <QPainter>
#include <QStyleOptionViewItem>

void PaintRowBackground(QPainter& painter, const QStyleOptionViewItem& option, const QRect& inset)
{
    const QPalette& palette = option.palette;
    painter.setPen(Qt::NoPen);
    if (option.state & QStyle::State_Selected) {
        painter.setBrush(palette.color(QPalette::Inactive, QPalette::Highlight));
        painter.drawRoundedRect(inset, 5, 5);
        painter.setPen(palette.color(QPalette::Base));
    } else {
        painter.fillRect(inset, palette.color(QPalette::Base));
        painter.setPen(palette.color(QPalette::Text));
    }
}
