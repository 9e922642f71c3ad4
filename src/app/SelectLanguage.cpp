// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SelectLanguage.h"

#include "app/AppPaths.h"
#include "app/AppState.h"
#include "dialogs/LanguageModules.h"

void SelectLanguage(AppState& state)
{
    if (state.shutDown)
        return;
    const QStringList langRoots = LangRoots(state.paths.ExeDir);
    ReleaseLanguage(state.language);
    RunLanguageSelection(state.settings.langfile, langRoots, state.windows.main);
    if (state.shutDown)
        return; // the session ended while the dialog was up: the settings are written, nothing to load
    ApplyLanguage(state.language, state.settings.langfile, langRoots);
}
