// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of the language selection list: the built-in language first, then one row per module file
// found, each judged only by whether it loads.

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

inline constexpr char kBuiltInNote[] = "resource included within exec";
inline constexpr char kWrongModule[] = "Wrong language file";

struct LanguageEntry {
    QImage icon;         // null: none
    QString description; // at most 99 characters
    QString note;        // the module's file name, or kBuiltInNote; at most 255 characters
};

// The module file `name` in the first of `langRoots` (each ending in "/") that holds it as a file; empty
// when none does, and for a name that could reach outside them ("../x", "a/b").
QString FindLanguageModule(const QString& name, const QStringList& langRoots);

// The module files (*.rcc, files only) of `langRoots`, each root in the order the file system lists it;
// a name found in an earlier root hides the same name further on, as it is the one that loads.
QStringList LanguageModuleNames(const QStringList& langRoots);

// Row 0: the built-in icon, "Default (English)" and kBuiltInNote. Then per module, in the order above:
// its icon and description (its file name without ".rcc" when it has none) when it loads, else no icon
// and "Wrong language file"; the file name as note either way.
std::vector<LanguageEntry> LanguageEntries(const QStringList& langRoots);

// The built-in language's icon, drawn by the program: a globe, 32 x 32.
QImage BuiltInLanguageIcon();
