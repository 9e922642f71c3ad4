// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/DiskSpace.h"

#include "common/Seam.h"

#include <algorithm>
#include <limits>

namespace {
constexpr std::uint64_t kReserveBytes = 512ull * 1024 * 1024;
constexpr std::uint64_t kReservePercent = 5;

using ProbeSeam = Seam<DiskSpaceProbe, struct ProbeTag>;
} // namespace

DiskSpaceProbe SetDiskSpaceProbe(DiskSpaceProbe probe)
{
    return ProbeSeam::replace(std::move(probe));
}

std::uint64_t WritableBudget(const QString& dir)
{
    const std::optional<DiskSpace> space = ProbeSeam::current() ? ProbeSeam::current()(dir) : MeasureDiskSpace(dir);
    if (!space)
        return std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t reserve = std::max(kReserveBytes, space->total / 100 * kReservePercent);
    return space->available > reserve ? space->available - reserve : 0;
}
