// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Path texts as the program keeps them: native separators, and every directory path ends in "/".

#include <QString>

namespace paths {

// Paths are kept to this many characters, as the settings file and the book records hold them.
inline constexpr int kMaxPathChars = 260;

inline constexpr QChar kSeparator = u'/';

// `dir` with a separator appended when it has none at its end.
QString withTrailingSeparator(const QString& dir);

// The text after the last separator (the bare file name); the whole text when it has none.
QString fileNameOf(const QString& path);

// The text up to and including the last separator; empty when it has none.
QString directoryOf(const QString& path);

// True when `path` names an existing directory. A path whose attributes can't be read is not one.
bool isDirectory(const QString& path);

// True when anything at all (file, directory, link) exists at `path`.
bool exists(const QString& path);

} // namespace paths
