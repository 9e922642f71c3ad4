#include "dialogs/LanguageModules.h"

// Only the built-in language exists so far.

void ApplyLanguage(QString& langfile, const QString&)
{
    langfile = QStringLiteral("default");
}

void ReleaseLanguage(const QString&) {}

void RunLanguageSelection(QString& langfile, const QString&, QWidget*)
{
    if (langfile == QLatin1String("none"))
        langfile = QStringLiteral("default");
}
