// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much an extraction may still write before the disk gets too full. An archive can hold far more
// than its own size (a zip bomb, or an entry whose data never ends), so writing stops while at least
// 512 MB and 5 % of the disk stay free.

#include "common/platform/FreeSpace.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// Answers for the file system that holds `dir`; nothing when it can't be asked.
using DiskSpaceProbe = std::function<std::optional<DiskSpace>(const QString& dir)>;

// Replaces the probe (tests simulate a nearly full disk) and returns the previous one. An empty probe
// restores the real one (MeasureDiskSpace).
DiskSpaceProbe SetDiskSpaceProbe(DiskSpaceProbe probe);

// Bytes that may still be written into `dir`: what is available above the reserve of 512 MB or 5 % of
// the disk, whichever is larger. Unlimited when the disk can't be asked.
std::uint64_t WritableBudget(const QString& dir);
