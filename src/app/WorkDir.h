// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-run scratch folder that archive books are extracted into.

#include "app/AppState.h"

#include <QString>
#include <random>

// Five capital letters A..Y (never Z).
QString DrawWorkDirName(std::mt19937& random);

// Creates a new folder of five letters in `parentDir` (a name that exists is drawn again) and records it
// in `paths`, with its lock ('ABCDE.lock' beside 'ABCDE') held until RemoveWorkDir or the end of the
// process, however it ends. Returns false when none could be made; WorkDir is then still named but not
// created.
bool CreateWorkDir(AppPaths& paths, const QString& parentDir, std::mt19937& random);

// Deletes everything inside WorkDir. Links are removed, never followed; a WorkDir this run did not
// create is left alone.
void EmptyWorkDir(const AppPaths& paths);

// Empties WorkDir and removes it, then its lock file.
void RemoveWorkDir(const AppPaths& paths);

// Removes from `parentDir` the scratch folders of runs that ended without removing them (a crash, a kill):
// a five-letter folder whose lock file is there and free, and which holds nothing but plain files, goes
// with its lock file. A folder another running copy holds, or holding anything else, stays; nothing else
// is touched. Returns how many went.
int RemoveStaleWorkDirs(const QString& parentDir);
