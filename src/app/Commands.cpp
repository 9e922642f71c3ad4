// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Commands.h"

#include "app/AppState.h"
#include "view/SmoothScroll.h"

void RunCommand(AppState& state, Command command)
{
    CommandInfoOf(command).run(state);
}

void RunAction(AppState& state, QStringView word)
{
    if (const std::optional<Command> command = CommandWithWord(word))
        RunCommand(state, *command);
}

void RunMenuCommand(AppState& state, int menuId)
{
    if (const std::optional<Command> command = CommandWithMenuId(menuId))
        RunCommand(state, *command);
}

void RunMouseAction(AppState& state, int code)
{
    StopSmoothScroll(state.navigation);
    if (const std::optional<Command> command = CommandWithGesture(code))
        RunCommand(state, *command);
}
