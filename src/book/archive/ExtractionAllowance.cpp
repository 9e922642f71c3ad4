// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/ExtractionAllowance.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace {
constexpr std::uint64_t kFreeBytes = 256ull * 1024 * 1024;
constexpr std::uint64_t kRatio = 200;
} // namespace

std::uint64_t ExtractionAllowance(std::uint64_t archiveBytes)
{
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    if (archiveBytes > (kMax - kFreeBytes) / kRatio)
        return kMax;
    return kFreeBytes + archiveBytes * kRatio;
}

std::uint64_t ArchiveBytes(const QStringList& files)
{
    std::uint64_t total = 0;
    for (const QString& file : files)
        total += std::uint64_t(std::max<qint64>(0, QFileInfo(file).size()));
    return total;
}
