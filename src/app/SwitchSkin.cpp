// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SwitchSkin.h"

#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/ShutDown.h"
#include "common/ShowMessage.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinLoad.h"

#include <QTimer>

void SwitchSkin(AppState& state, const QString& name)
{
    QString loaded = name;
    Messages messages;
    const bool usable = LoadSkinOrDefault(state.skin, state.skinBitmaps, loaded, SkinRoots(state.paths.ExeDir),
                                          messages);
    ShowMessages(messages);
    state.settings.skinname = loaded;
    ShowSkinTexts(state.skin, state.skinTexts);
    SetSliderValue(state.skin, u"zoom", state.view.zoom);
    if (MainWindow* main = MainWindowOf(state.windows))
        main->skinChanged();
    if (!usable) {
        // The button that asked for the skin is still in its click; the program ends after it.
        AppState* running = &state;
        QTimer::singleShot(0, [running] { ShutDown(*running); });
    }
}
