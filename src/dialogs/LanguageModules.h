#pragma once
// Language modules: translated sets of the program's texts, kept as files in a lang/ folder. `langfile`
// names the module in use: "none" before the first choice, "default" for the built-in English, else a
// file name in the lang folder.

#include <QString>

class QWidget;

// Makes `langfile` effective from `langDir` (ending in "/"): the built-in language for "default", else
// the module of that name. A module that does not load sets `langfile` to "default".
void ApplyLanguage(QString& langfile, const QString& langDir);

// Unloads the module in use, if any. Run before a new choice and at shutdown.
void ReleaseLanguage(const QString& langfile);

// The modal "Language Selection (double-click to select)" dialog over the modules in `langDir`. It
// changes only `langfile`; closed untouched while `langfile` is "none", it chooses "default".
void RunLanguageSelection(QString& langfile, const QString& langDir, QWidget* owner);
