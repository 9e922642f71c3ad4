#include "view/WheelInput.h"

#include "app/AppState.h"
#include "app/Commands.h"
#include "view/NavigationMath.h"
#include "view/PageView.h"
#include "view/SmoothScroll.h"

#include <QWidget>

WheelBehaviour WheelBehaviourFor(std::int32_t mousewheelact)
{
    switch (mousewheelact) {
    case 0: return WheelBehaviour::Zoom;
    case 2: return WheelBehaviour::TurnPages;
    default: return WheelBehaviour::Scroll;
    }
}

void WheelTurned(AppState& state, int delta)
{
    const Settings& s = state.settings;
    const bool down = delta <= 0;
    switch (WheelBehaviourFor(s.mousewheelact)) {
    case WheelBehaviour::Zoom:
        state.view.zoom = ClampedZoom(state.view.zoom, delta >= 0 ? std::int64_t(s.mousewheelval)
                                                                  : -std::int64_t(s.mousewheelval));
        ZoomUpdate(state);
        return;
    case WheelBehaviour::TurnPages:
        RunAction(state, down ? u"foward" : u"back");
        return;
    case WheelBehaviour::Scroll:
        if (s.smoothscroll) {
            SmoothScrollWheel(state, down);
            return;
        }
        state.book.scrollY = SaturatingAdd(state.book.scrollY, down ? std::int64_t(s.mousewheelval)
                                                                    : -std::int64_t(s.mousewheelval));
        if (state.windows.pageView)
            state.windows.pageView->update();
        return;
    }
}

int WheelNotches::add(int angleDelta)
{
    constexpr int kNotch = 120;
    m_pending += angleDelta;
    const int notches = m_pending / kNotch;
    m_pending -= notches * kNotch;
    return notches;
}
