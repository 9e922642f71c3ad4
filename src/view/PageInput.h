// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page view's mouse handling: the left-button press in its two styles (dragging the page, or
// auto-scrolling toward the pointer), holding the button to turn the page, and the button gestures.
// The page view forwards its events here; what it needs from the window system comes through
// PointerPort, so the rules run in tests without a real pointer.

#include "view/AutoScroll.h"
#include "view/ViewRecords.h"

#include <QPoint>
#include <cstdint>

class PointerPort {
public:
    virtual ~PointerPort() = default;
    virtual QPoint cursorPos() const = 0; // screen position of the pointer
    virtual void setCursorPos(QPoint screen) = 0;
    virtual void startAutoScrollTimer(int periodMs) = 0; // timer 11, (re)started with this period
    virtual void stopAutoScrollTimer() = 0;
    virtual void showDirectionCursor(DirectionCursor cursor) = 0;
    virtual void restoreCursor() = 0;            // back to the arrow after a press
    virtual std::uint32_t tickCount() const = 0; // milliseconds, wraps at 32 bits
    virtual void redraw() = 0;                   // the page view
};

class PageInput {
public:
    PageInput(ViewRecords records, PointerPort& port) : m_records(records), m_port(port) {}

    void leftButtonDown();
    void leftButtonUp();
    void mouseMoved();
    void autoScrollTick(); // timer 11
    void leftDoubleClick();
    void rightButtonDown();
    void middleButtonDown();

private:
    bool fitPageShown() const;

    ViewRecords m_records;
    PointerPort& m_port;
    bool m_cursorShown = false;
    bool m_pressRecorded = false; // this press set the press point (not in the fit-page view)
};
