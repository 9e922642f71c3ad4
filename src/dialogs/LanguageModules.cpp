// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/LanguageModules.h"

#include "dialogs/lang/LanguageEntries.h"
#include "dialogs/lang/LanguageSelectionDialog.h"

#include <QCoreApplication>
#include <QTranslator>

void ApplyLanguage(LanguageHandle& handle, QString& langfile, const QStringList& langRoots)
{
    ReleaseLanguage(handle);
    if (langfile == u"default")
        return;
    const QString path = FindLanguageModule(langfile, langRoots);
    if (path.isEmpty() || !handle.load(path)) {
        langfile = QStringLiteral("default");
        return;
    }
    if (handle.qtTexts())
        QCoreApplication::installTranslator(handle.qtTexts());
    QCoreApplication::installTranslator(handle.catalogue());
}

void ReleaseLanguage(LanguageHandle& handle)
{
    if (handle.isLoaded()) {
        QCoreApplication::removeTranslator(handle.catalogue());
        if (handle.qtTexts())
            QCoreApplication::removeTranslator(handle.qtTexts());
    }
    handle.unload();
}

void RunLanguageSelection(QString& langfile, const QStringList& langRoots, QWidget* owner)
{
    LanguageSelectionDialog dialog(LanguageEntries(langRoots), langfile, owner);
    if (dialog.exec() == QDialog::Accepted)
        langfile = dialog.chosenLangfile();
    else if (langfile == u"none")
        langfile = QStringLiteral("default");
}
