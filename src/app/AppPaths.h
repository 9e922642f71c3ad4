// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program keeps its files: its own directory, the settings file and the scratch folder.

#include "app/AppState.h"

#include <QString>
#include <QStringList>

// The directory of an executable path, ending in "/".
QString ExeDirOf(const QString& exePath);

// The settings file of an executable: its path up to the first "." of the file name followed by "ini"
// (viewer.beta.exe gives viewer.ini); a file name without "." gives the whole path + ".ini".
// Dots in directory names never count.
QString SettingsFileFor(const QString& exePath);

// True when this process may create files in `dir`.
bool IsWritableDirectory(const QString& dir);

// True when the executable in `exeDir` is an installed copy: its data folder (../share/bullevista/) is
// beside it. Such a copy keeps its files in the user's folders even where it could write beside itself
// (root running /usr/bin/bullevista), as a packaged program must.
bool IsInstalledCopy(const QString& exeDir);

// Fills ExeDir and the settings file from the executable's path. When the executable's directory can't
// be written (an installed copy), the settings file moves to `configHome`/bullevista/bullevista.ini and
// the scratch folder to `cacheHome`/bullevista/. Returns the directory the scratch folder goes in.
QString ResolveAppPaths(AppPaths& paths, const QString& exePath, bool exeDirWritable, const QString& configHome,
                        const QString& cacheHome);

// The reading history (`dataHome`/bullevista/history.sqlite) and the books' small pages
// (`cacheHome`/bullevista/thumbnails/) live in the user's folders for every copy, built or installed: a
// book read with one copy is remembered by the other.
void ResolveUserDataPaths(AppPaths& paths, const QString& dataHome, const QString& cacheHome);

// The settings a first start reads when `settingsFile` does not exist: defaults.ini beside the
// executable, else ../share/bullevista/defaults.ini from it (where an installed copy has it). The
// settings file itself whenever it exists, and also when there is no defaults file (it then reads as
// empty: the program's own defaults).
QString SettingsFileToRead(const QString& settingsFile, const QString& exeDir);

// The folders skins are looked for in, each ending in "/": skins/ beside the executable first, then the
// installed data folder (../share/bullevista/skins/ from the executable), then bullevista/skins/ in
// the user's and the system's data folders.
QStringList SkinRoots(const QString& exeDir);

// The folders language modules are looked for in, found the same way: lang/ beside the executable,
// ../share/bullevista/lang/ from it, then bullevista/lang/ in the data folders.
QStringList LangRoots(const QString& exeDir);
