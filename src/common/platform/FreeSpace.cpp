// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/FreeSpace.h"

#include <QFile>
#include <sys/statvfs.h>

std::optional<DiskSpace> MeasureDiskSpace(const QString& dir)
{
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(dir).constData(), &info) != 0)
        return std::nullopt;
    return DiskSpace{std::uint64_t(info.f_bavail) * info.f_frsize, std::uint64_t(info.f_blocks) * info.f_frsize};
}
