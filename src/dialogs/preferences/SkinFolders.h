// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The skins the Skins page lists: the folders found in the skin roots.

#include <QStringList>
#include <optional>

// The names of the folders (not files, nor "." and "..") in any of `roots`, each name once, sorted
// alphabetically without regard to case. Nothing (no list at all) when not one root can be read.
std::optional<QStringList> SkinFolderNames(const QStringList& roots);
