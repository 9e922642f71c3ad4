#pragma once
// The per-run scratch folder that archive books are extracted into.

#include "app/AppState.h"

#include <QString>
#include <random>

// Five capital letters A..Y (never Z).
QString DrawWorkDirName(std::mt19937& random);

// Creates a new folder of five letters in `parentDir` (a name that exists is drawn again) and records it
// in `paths`. Returns false when none could be made; WorkDir is then still named but not created.
bool CreateWorkDir(AppPaths& paths, const QString& parentDir, std::mt19937& random);

// Deletes everything inside WorkDir. Links are removed, never followed; a WorkDir this run did not
// create is left alone.
void EmptyWorkDir(const AppPaths& paths);

// Empties WorkDir and removes it.
void RemoveWorkDir(const AppPaths& paths);
