// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/Permissions.h"

#include <QFile>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

bool IsWritableByUser(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

MadeDirectory MakePrivateDirectory(const QString& path)
{
    if (::mkdir(QFile::encodeName(path).constData(), 0700) == 0)
        return MadeDirectory::Made;
    return errno == EEXIST ? MadeDirectory::Exists : MadeDirectory::Failed;
}
