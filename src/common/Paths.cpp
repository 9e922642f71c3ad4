// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Paths.h"

#include <QFileInfo>

namespace paths {

QString withTrailingSeparator(const QString& dir)
{
    return dir.endsWith(kSeparator) ? dir : dir + kSeparator;
}

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(kSeparator) + 1);
}

QString directoryOf(const QString& path)
{
    return path.left(path.lastIndexOf(kSeparator) + 1);
}

bool isDirectory(const QString& path)
{
    return QFileInfo(path).isDir();
}

bool exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace paths
