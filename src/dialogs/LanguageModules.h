// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Language modules: translated sets of the program's texts, kept as bundles in the lang folders.
// `langfile` names the module in use: "none" before the first choice, "default" for the built-in
// English, else a file name in a lang folder. Message boxes are never translated.

#include "dialogs/lang/LanguageModule.h"

#include <QString>
#include <QStringList>

class QWidget;

// The module the program's texts come from; unloaded while the built-in English is in use.
using LanguageHandle = LanguageModule;

// Makes `langfile` effective: the built-in language for "default", else the module of that name, whose
// catalogue then answers every translated text. Anything that does not load (a missing file, a name
// reaching outside the lang folders, a damaged bundle, "none") sets `langfile` to "default", silently.
void ApplyLanguage(LanguageHandle& handle, QString& langfile, const QStringList& langRoots);

// Unloads the module in use, if any; the built-in texts answer again. Run before a new choice and at
// shutdown.
void ReleaseLanguage(LanguageHandle& handle);

// The modal "Language Selection (double-click to select)" dialog over the modules in `langRoots`. It
// changes only `langfile`; closed untouched while `langfile` is "none", it chooses "default".
void RunLanguageSelection(QString& langfile, const QStringList& langRoots, QWidget* owner);
