// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names in one folder, in one pass over it: nothing is opened or looked up.

#include <QString>
#include <functional>

// Calls `each` with every name in the folder `dir` as the file system spells it, in the order it
// lists them ("." and ".." left out). False when the folder can't be listed.
bool ListDirectoryNames(const QString& dir, const std::function<void(const char* name)>& each);
