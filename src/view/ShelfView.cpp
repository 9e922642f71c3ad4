// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ShelfView.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

ShelfView::ShelfView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
}

void ShelfView::setBooks(std::vector<ShelfBook> books)
{
    m_books = std::move(books);
    if (m_selected >= bookCount())
        m_selected = -1;
    update();
}

bool ShelfView::takeKey(int key)
{
    const auto step = [this](int dx, int dy) {
        m_selected = ShelfStep(grid(), m_selected, dx, dy);
        update();
        return true;
    };
    switch (key) {
    case Qt::Key_Left: return step(-1, 0);
    case Qt::Key_Right: return step(1, 0);
    case Qt::Key_Up: return step(0, -1);
    case Qt::Key_Down: return step(0, 1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_selected >= 0 && m_selected < grid().shown && openBook)
            openBook(m_selected);
        return true;
    default: return false;
    }
}

bool ShelfView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void ShelfView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const ShelfGrid shelf = grid();
    painter.setPen(QColor(0xd0, 0xd4, 0xda));
    for (const auto& [area, text] : {std::pair{shelf.openBook, tr("Open a book...")},
                                     std::pair{shelf.openFolder, tr("Open a folder...")}}) {
        painter.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        painter.drawText(area, Qt::AlignCenter, text);
    }
    const QFontMetrics metrics = painter.fontMetrics();
    for (int index = 0; index < shelf.shown; ++index) {
        const ShelfBook& book = m_books[std::size_t(index)];
        const QRect cell = ShelfCellRect(shelf, index);
        const QRect cover(cell.topLeft(), kShelfCover);
        painter.drawImage(cover.topLeft(), book.cover);
        if (index == m_selected) {
            painter.setPen(QPen(QColor(0x3d, 0x8e, 0xe0), 3));
            painter.drawRect(cover.adjusted(-3, -3, 2, 2));
        }
        painter.setPen(QColor(0xd0, 0xd4, 0xda));
        const QRect caption(cell.left(), cover.bottom() + 4, cell.width(), metrics.height());
        painter.drawText(caption, Qt::AlignHCenter, metrics.elidedText(book.title, Qt::ElideMiddle, cell.width()));
        painter.setPen(QColor(0x90, 0x96, 0x9e));
        painter.drawText(caption.translated(0, metrics.height()), Qt::AlignHCenter, book.page);
    }
}

void ShelfView::mousePressEvent(QMouseEvent* event)
{
    // The other buttons go on to the page view: its popup menu stays within reach.
    if (event->button() != Qt::LeftButton)
        event->ignore();
}

void ShelfView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint point = event->position().toPoint();
    const ShelfGrid shelf = grid();
    if (shelf.openBook.contains(point) && chooseFile) {
        chooseFile();
    } else if (shelf.openFolder.contains(point) && chooseFolder) {
        chooseFolder();
    } else if (const int index = ShelfBookAt(shelf, point); index >= 0 && openBook) {
        m_selected = index;
        openBook(index);
    }
}
