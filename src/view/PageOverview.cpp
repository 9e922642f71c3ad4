// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PageOverview.h"

#include "book/ThumbnailCache.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kNumberHeight = 20;
constexpr int kGap = 12;
const QColor kBackground(24, 24, 24);
const QColor kCurrentFrame(230, 160, 30);
const QColor kSelection(70, 110, 170);

} // namespace

PageOverview::PageOverview(int pageCount, int currentPage, Hooks hooks, QWidget* parent)
    : QWidget(parent), m_count(pageCount), m_current(currentPage),
      m_selection(std::clamp(currentPage, 0, std::max(0, pageCount - 1))), m_hooks(std::move(hooks))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

OverviewGrid PageOverview::grid() const
{
    return MakeOverviewGrid(size(), m_count, QSize(kThumbnailSize + kGap, kThumbnailSize + kNumberHeight + kGap));
}

void PageOverview::select(int index)
{
    if (index < 0 || index >= m_count)
        return;
    m_selection = index;
    m_scroll = OverviewScrollToShow(grid(), index, m_scroll, height());
    if (m_hooks.selected)
        m_hooks.selected(index);
    update();
}

void PageOverview::resizeEvent(QResizeEvent*)
{
    m_scroll = OverviewScrollToShow(grid(), m_selection, m_scroll, height());
}

void PageOverview::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), kBackground);
    const OverviewGrid g = grid();
    const int first = std::max(0, OverviewPageAt(g, QPoint(g.left, 0), m_scroll) - g.columns);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = std::max(0, first); i < m_count; ++i) {
        const QRect cell = OverviewCell(g, i, m_scroll);
        if (cell.top() > height())
            break;
        if (cell.bottom() < 0)
            continue;
        const QRect box(cell.left() + kGap / 2, cell.top() + kGap / 2, kThumbnailSize, kThumbnailSize);
        if (i == m_selection)
            painter.fillRect(cell.adjusted(2, 2, -2, -2), kSelection);
        const QImage image = m_hooks.thumbnail ? m_hooks.thumbnail(i) : QImage();
        QRect picture = box;
        if (!image.isNull()) {
            const QSize shown = image.size().scaled(box.size(), Qt::KeepAspectRatio);
            picture = QRect(QPoint(box.left() + (box.width() - shown.width()) / 2,
                                   box.top() + (box.height() - shown.height()) / 2),
                            shown);
            painter.drawImage(picture, image);
        } else {
            picture = box.adjusted(box.width() / 6, 0, -box.width() / 6, 0);
            painter.fillRect(picture, QColor(50, 50, 50));
        }
        if (i == m_current) {
            painter.setPen(QPen(kCurrentFrame, 3));
            painter.drawRect(picture.adjusted(-2, -2, 1, 1));
        }
        painter.setPen(i == m_current ? kCurrentFrame : QColor(220, 220, 220));
        painter.drawText(QRect(cell.left(), box.bottom() + 2, cell.width(), kNumberHeight), Qt::AlignCenter,
                         QString::number(i + 1));
    }
}

void PageOverview::keyPressEvent(QKeyEvent* event)
{
    const OverviewGrid g = grid();
    const int rowsShown = std::max(1, height() / std::max(1, g.cell.height()));
    auto move = [&](OverviewMove m) { select(MoveOverviewSelection(g, m_selection, m, rowsShown)); };
    switch (event->key()) {
    case Qt::Key_Left: move(OverviewMove::Left); break;
    case Qt::Key_Right: move(OverviewMove::Right); break;
    case Qt::Key_Up: move(OverviewMove::Up); break;
    case Qt::Key_Down: move(OverviewMove::Down); break;
    case Qt::Key_PageUp: move(OverviewMove::PageUp); break;
    case Qt::Key_PageDown: move(OverviewMove::PageDown); break;
    case Qt::Key_Home: move(OverviewMove::First); break;
    case Qt::Key_End: move(OverviewMove::Last); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_hooks.chosen && m_count > 0)
            m_hooks.chosen(m_selection);
        break;
    case Qt::Key_Escape:
        if (m_hooks.left)
            m_hooks.left();
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void PageOverview::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int page = OverviewPageAt(grid(), event->position().toPoint(), m_scroll);
    if (page >= 0 && m_hooks.chosen)
        m_hooks.chosen(page);
}

void PageOverview::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept(); // the first press already turned
}

void PageOverview::wheelEvent(QWheelEvent* event)
{
    const OverviewGrid g = grid();
    m_scroll = std::clamp(m_scroll - event->angleDelta().y() * g.cell.height() / 240, 0,
                          std::max(0, g.height - height()));
    update();
    event->accept();
}
