// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much room the file system holding a folder has left.

#include <QString>
#include <cstdint>
#include <optional>

struct DiskSpace {
    std::uint64_t available = 0; // bytes an unprivileged writer may still use
    std::uint64_t total = 0;
};

// Answers for the file system that holds `dir`; nothing when it can't be asked.
std::optional<DiskSpace> MeasureDiskSpace(const QString& dir);
