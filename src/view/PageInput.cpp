// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PageInput.h"

#include "view/MouseActions.h"
#include "view/NavigationMath.h"
#include "view/SmoothScroll.h"

bool PageInput::fitPageShown() const
{
    return m_records.view.stretched && !m_records.settings.wstretched;
}

void PageInput::leftButtonDown()
{
    StopSmoothScroll(m_records.navigation);
    Settings& s = m_records.settings;
    m_pressRecorded = !fitPageShown();
    if (m_pressRecorded) {
        m_records.navigation.pressPoint = m_port.cursorPos();
        if (s.explorerstylenav)
            m_port.startAutoScrollTimer(kAutoScrollStartMs);
        // `nextonup` doubles as the press time while the option is on (0 or more). The tick is kept
        // above 0 so that the release, which tests for a positive value, always sees the press.
        if (s.nextonup >= 0)
            s.nextonup = std::int32_t(std::max<std::uint32_t>(m_port.tickCount() & kTickMask, 1u));
    }
    m_records.navigation.leftDown = true;
}

void PageInput::leftButtonUp()
{
    NavigationState& nav = m_records.navigation;
    Settings& s = m_records.settings;
    if (nav.leftDown) {
        if (s.explorerstylenav) {
            m_port.stopAutoScrollTimer();
            // Only a press that recorded where it began sends the pointer back there; a press in the
            // fit-page view would otherwise throw it to wherever an earlier press had been.
            if (m_pressRecorded)
                m_port.setCursorPos(nav.pressPoint);
        }
        if (s.nextonup > 0) {
            const std::uint32_t pressTick = std::uint32_t(s.nextonup);
            s.nextonup = 0;
            if (HeldLongEnough(m_port.tickCount(), pressTick))
                RunViewNextPage();
        }
    }
    nav.leftDown = false;
    m_pressRecorded = false;
    if (m_cursorShown) {
        m_port.restoreCursor();
        m_cursorShown = false;
    }
}

void PageInput::mouseMoved()
{
    NavigationState& nav = m_records.navigation;
    if (!nav.leftDown || m_records.settings.explorerstylenav)
        return;
    const QPoint pointer = m_port.cursorPos();
    const QPoint delta = DragScrollDelta(nav.pressPoint, pointer);
    m_records.book.scrollX = SaturatingAdd(m_records.book.scrollX, delta.x());
    m_records.book.scrollY = SaturatingAdd(m_records.book.scrollY, delta.y());
    nav.pressPoint = pointer;
    m_port.redraw();
}

void PageInput::autoScrollTick()
{
    const AutoScrollTick tick = ComputeAutoScrollTick(m_records.navigation.pressPoint, m_port.cursorPos());
    if (tick.scrolls()) {
        m_port.startAutoScrollTimer(tick.periodMs);
        if (!fitPageShown()) {
            m_records.book.scrollX = SaturatingAdd(m_records.book.scrollX, tick.dx);
            m_records.book.scrollY = SaturatingAdd(m_records.book.scrollY, tick.dy);
            m_port.redraw();
        }
    }
    m_port.showDirectionCursor(tick.cursor);
    m_cursorShown = true;
}

void PageInput::leftDoubleClick()
{
    RunViewMouseAction(m_records.settings.dblleftm);
}

void PageInput::rightButtonDown()
{
    RunViewMouseAction(m_records.navigation.leftDown ? m_records.settings.leftrightm : m_records.settings.rightm);
}

void PageInput::middleButtonDown()
{
    RunViewMouseAction(m_records.settings.middlem);
}
