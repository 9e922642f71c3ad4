// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What this user may do with a path, as the system decides it (permission bits, access lists, a
// read-only mount), and a folder made for this user alone.

#include <QString>

// True when this user may write to the file or folder `path`.
bool IsWritableByUser(const QString& path);

enum class MadeDirectory { Made, Exists, Failed };

// Makes the folder `path`, which only this user may enter. A name that exists is never taken over:
// the answer is then Exists.
MadeDirectory MakePrivateDirectory(const QString& path);
