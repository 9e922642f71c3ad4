// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ViewCommands.h"

#include "app/AppState.h"
#include "app/CommandTable.h"
#include "app/Commands.h"
#include "skin/SkinGeometry.h"
#include "view/NavigationMath.h"
#include "view/PageGeometry.h"
#include "view/PageView.h"
#include "view/SmoothScroll.h"
#include "view/WheelInput.h"

namespace {
void repaintPageView(AppState& state)
{
    if (state.windows.pageView)
        state.windows.pageView->update();
}

QSize pageViewSize(const AppState& state)
{
    return state.windows.pageView ? state.windows.pageView->viewPixels() : QSize();
}

PageViewMode pageViewMode(const AppState& state)
{
    return PageViewModeOf(state.book, state.view, state.settings);
}

void scrollBy(AppState& state, std::int32_t& offset, int sign)
{
    const Settings& s = state.settings;
    offset = SaturatingAdd(offset, std::int64_t(sign) * KeyboardScrollStep(s.pixforkb, s.mousewheelval));
    repaintPageView(state);
}
} // namespace

void ScrollUp(AppState& state)
{
    scrollBy(state, state.book.scrollY, -1);
}

void ScrollDown(AppState& state)
{
    scrollBy(state, state.book.scrollY, +1);
}

void ScrollLeft(AppState& state)
{
    scrollBy(state, state.book.scrollX, -1);
}

void ScrollRight(AppState& state)
{
    scrollBy(state, state.book.scrollX, +1);
}

void ScrollToTop(AppState& state)
{
    state.book.scrollY = 0;
    repaintPageView(state);
}

void ScrollToEnd(AppState& state)
{
    state.book.scrollY = state.book.current.height();
    repaintPageView(state);
}

namespace {
// One view on (`down`) or back, or the page turn when the page's end in that direction is shown.
// Turned back, the reader goes on reading upwards from the previous page's end.
void scrollOrTurn(AppState& state, bool down)
{
    BookState& book = state.book;
    if (!book.bookLoaded)
        return;
    const ViewStep step = StepOneView(book.current.pixels.size(), pageViewSize(state), pageViewMode(state), book.scrollX,
                                      book.scrollY, down);
    if (step.turn && down) {
        RunCommand(state, Command::Forward);
        return;
    }
    StopSmoothScroll(state.navigation);
    if (!step.turn) {
        book.scrollY = step.scrollY;
        repaintPageView(state);
        return;
    }
    const std::int32_t before = book.pageIndex;
    RunCommand(state, Command::Back);
    if (book.pageIndex != before)
        ScrollToEnd(state);
}
} // namespace

void ScrollOrTurnForward(AppState& state)
{
    scrollOrTurn(state, true);
}

void ScrollOrTurnBack(AppState& state)
{
    scrollOrTurn(state, false);
}

void ZoomIn(AppState& state)
{
    SetZoom(state, ClampedZoom(state.view.zoom, 5));
}

void ZoomOut(AppState& state)
{
    SetZoom(state, ClampedZoom(state.view.zoom, -5));
}

void SetZoom(AppState& state, int zoom)
{
    state.view.zoom = zoom;
    ZoomUpdate(state);
}

void ToggleStretchedView(AppState& state)
{
    // Whichever way it comes, the stretched view stops a smooth scroll first.
    StopSmoothScroll(state.navigation);
    if (!state.view.stretched) {
        state.view.stretched = true;
        ScheduleScaledPageRebuild(state);
    } else {
        state.view.stretched = false;
    }
    repaintPageView(state);
}

void WheelTurned(AppState& state, int delta)
{
    const Settings& s = state.settings;
    const bool down = delta <= 0;
    switch (WheelBehaviourFor(s.mousewheelact)) {
    case WheelBehaviour::Zoom:
        state.view.zoom = ClampedZoom(state.view.zoom,
                                      delta >= 0 ? std::int64_t(s.mousewheelval) : -std::int64_t(s.mousewheelval));
        ZoomUpdate(state);
        return;
    case WheelBehaviour::TurnPages: RunCommand(state, down ? Command::Forward : Command::Back); return;
    case WheelBehaviour::Scroll:
        if (s.smoothscroll) {
            SmoothScrollWheel(viewRecords(state), down, state.windows.pageView);
            return;
        }
        state.book.scrollY = SaturatingAdd(state.book.scrollY,
                                           down ? std::int64_t(s.mousewheelval) : -std::int64_t(s.mousewheelval));
        repaintPageView(state);
        return;
    }
}

void LeaveFittedViewForZoom(AppState& state)
{
    // A fitted page ignores the zoom; the change must show, so the page leaves the fitted view (W
    // brings it back).
    if (state.view.stretched) {
        StopSmoothScroll(state.navigation);
        state.view.stretched = false;
    }
}

void ZoomUpdate(AppState& state)
{
    LeaveFittedViewForZoom(state);
    SetSliderValue(state.skin, u"zoom", state.view.zoom);
    repaintPageView(state);
    if (state.windows.main)
        state.windows.main->update();
}

void ScheduleScaledPageRebuild(AppState& state)
{
    if (state.windows.pageView)
        state.windows.pageView->startCacheTimer();
    else
        state.view.rerenderPending = true;
}
