#include "app/SelectLanguage.h"

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "dialogs/LanguageModules.h"

void SelectLanguage(AppState& state)
{
    const QString langDir = state.paths.ExeDir + QStringLiteral("lang/");
    QString& langfile = state.settings.langfile;
    if (langfile != u"default")
        ReleaseLanguage(langfile);
    RunLanguageSelection(langfile, langDir, state.windows.main);
    ApplyLanguage(langfile, langDir);
}
