// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PreferencesWindow.h"

#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/CommandTable.h"
#include "app/FixedKeys.h"
#include "app/PageTurn.h"
#include "app/SelectLanguage.h"
#include "app/SwitchSkin.h"
#include "app/ViewCommands.h"
#include "dialogs/preferences/PreferencesFrame.h"
#include "view/PageView.h"

namespace {
void redecodeCurrentPage(AppState& state)
{
    // Without a book there is nothing to decode, and stepping back would move the page index for good.
    if (state.book.bookLoaded)
        DecodeShownPageAgain(state);
}

PreferencesHooks hooksFor(AppState& state)
{
    PreferencesHooks hooks;
    hooks.redecodePage = [&state] { redecodeCurrentPage(state); };
    hooks.rebuildScaledPage = [&state] { ScheduleScaledPageRebuild(state); };
    hooks.redrawPage = [&state] {
        if (state.windows.pageView)
            state.windows.pageView->update();
    };
    hooks.loadSkin = [&state](const QString& name) { SwitchSkin(state, name); };
    hooks.rebuildAccelerators = [&state] {
        if (!state.shutDown)
            state.accelTable = BuildAccelTable(state.settings);
    };
    hooks.selectLanguage = [&state] { SelectLanguage(state); };
    return hooks;
}
} // namespace

void OpenPreferences(AppState& state)
{
    if (state.preferences || state.shutDown)
        return;
    auto* frame = new PreferencesFrame(
        {state.settings, SkinRoots(state.paths.ExeDir), hooksFor(state), ControlsPageNames()}, state.windows.main);
    state.preferences = frame;
    frame->show();
}
