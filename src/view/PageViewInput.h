// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page view's mouse input as a filter on the page view widget: it turns the widget's mouse
// events and its auto-scroll timer (timer 11) into PageInput calls, and gives PageInput the real
// pointer, cursor and clock.

#include "view/PageInput.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class PageView;

class PageViewInput : public QObject, private PointerPort {
    Q_OBJECT
public:
    // Filters `view`'s events from now on; owned by `view`.
    PageViewInput(ViewRecords records, PageView* view);

    QTimer& autoScrollTimer() { return m_autoScroll; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint cursorPos() const override;
    void setCursorPos(QPoint screen) override;
    void startAutoScrollTimer(int periodMs) override;
    void stopAutoScrollTimer() override;
    void showDirectionCursor(DirectionCursor cursor) override;
    void restoreCursor() override;
    std::uint32_t tickCount() const override;
    void redraw() override;

    PageView* m_view;
    PageInput m_input;
    QTimer m_autoScroll; // timer 11
    QElapsedTimer m_clock;
    bool m_overrideCursor = false;
};
