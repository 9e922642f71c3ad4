// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the Preferences page list draws its entries: 66 pixels high, the page icon above the page name,
// the selected entry on a rounded rectangle.

#include <QImage>
#include <QStyledItemDelegate>

class PageListDelegate : public QStyledItemDelegate {
public:
    explicit PageListDelegate(QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QImage m_icon;
};

// The page icon, 48 x 48, drawn by the program: an open book.
QImage PagesIcon();
