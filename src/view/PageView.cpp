#include "view/PageView.h"

#include <QPainter>

PageView::PageView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BmpStaticClass"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black); // black wherever no page is shown
}
