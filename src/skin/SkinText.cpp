#include "skin/SkinText.h"

#include "app/AppState.h"
#include "app/MainWindow.h"

void SetSkinText(AppState& state, const QString& name, const QString& text)
{
    state.skinTexts.byName.insert(name, text);
    if (name == u"main" && state.windows.main)
        state.windows.main->setWindowTitle(text);
}

QString SkinTextOf(const AppState& state, const QString& name)
{
    return state.skinTexts.byName.value(name);
}
