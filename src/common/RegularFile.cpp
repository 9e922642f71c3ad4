// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/RegularFile.h"

#include <QFile>
#include <QFileInfo>

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(limit);
    if (file.error() != QFile::NoError)
        return std::nullopt;
    return bytes;
}
