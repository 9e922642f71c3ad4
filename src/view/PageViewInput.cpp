// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PageViewInput.h"

#include "view/DirectionCursors.h"
#include "view/PageView.h"
#include "view/SmoothScroll.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>

PageViewInput::PageViewInput(ViewRecords records, PageView* view) : QObject(view), m_view(view), m_input(records, *this)
{
    // The view found the page's end: smooth scrolling has nowhere further to go.
    connect(view, &PageView::scrollReachedPageEnd, this, [records] { StopSmoothScroll(records.navigation); });
    m_autoScroll.setTimerType(Qt::PreciseTimer);
    connect(&m_autoScroll, &QTimer::timeout, this, [this] { m_input.autoScrollTick(); });
    m_clock.start();
    view->installEventFilter(this);
}

bool PageViewInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            m_input.leftButtonDown();
        else if (mouse->button() == Qt::RightButton)
            m_input.rightButtonDown();
        else if (mouse->button() == Qt::MiddleButton)
            m_input.middleButtonDown();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_input.leftButtonUp();
        return true;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_input.leftDoubleClick();
        return true;
    case QEvent::MouseMove: m_input.mouseMoved(); return true;
    default: return false;
    }
}

QPoint PageViewInput::cursorPos() const
{
    return QCursor::pos();
}

void PageViewInput::setCursorPos(QPoint screen)
{
    QCursor::setPos(screen);
}

void PageViewInput::startAutoScrollTimer(int periodMs)
{
    m_autoScroll.start(periodMs);
}

void PageViewInput::stopAutoScrollTimer()
{
    m_autoScroll.stop();
}

void PageViewInput::showDirectionCursor(DirectionCursor cursor)
{
    // The shape holds wherever the pointer goes while the button is down, as with a captured pointer.
    if (m_overrideCursor) {
        QGuiApplication::changeOverrideCursor(DirectionCursorShape(cursor));
    } else {
        QGuiApplication::setOverrideCursor(DirectionCursorShape(cursor));
        m_overrideCursor = true;
    }
}

void PageViewInput::restoreCursor()
{
    if (m_overrideCursor) {
        QGuiApplication::restoreOverrideCursor();
        m_overrideCursor = false;
    }
}

std::uint32_t PageViewInput::tickCount() const
{
    return std::uint32_t(m_clock.elapsed());
}

void PageViewInput::redraw()
{
    m_view->update();
}
