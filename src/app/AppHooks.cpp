#include "app/AppHooks.h"

#include "app/Commands.h"

AppHooks::AppHooks(AppState& state)
    : m_previousRunner(SetMouseActionRunner([&state](int code) { RunMouseAction(state, code); }))
{}

AppHooks::~AppHooks()
{
    SetMouseActionRunner(std::move(m_previousRunner));
}
