// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppHooks.h"

#include "app/AppState.h"
#include "app/Commands.h"

AppHooks::AppHooks(AppState& state)
    : m_previousRunners(SetMouseActionRunners(
        {[&state](int code) { RunMouseAction(state, code); }, [&state] { RunCommand(state, Command::Forward); }}))
{}

AppHooks::~AppHooks()
{
    SetMouseActionRunners(std::move(m_previousRunners));
}
