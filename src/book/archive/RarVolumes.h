// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The volumes of a multi-volume rar set, in the order they continue one another.

#include <QString>
#include <QStringList>
#include <functional>

// For 'name.partN.rar' (any N, any digit count): 'name.part1.rar', 'name.part2.rar'... from the first
// volume while they exist. For 'name.rar' (or '.cbr'): the file itself, then 'name.r00', 'name.r01'...
// 'name.r99', 'name.s00'... while they exist. Any other name is a set of one. `exists` answers for a path.
QStringList RarVolumeSet(const QString& path, const std::function<bool(const QString&)>& exists);
