// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/DirectoryNames.h"

#include <QFile>
#include <cstring>
#include <dirent.h>

bool ListDirectoryNames(const QString& dir, const std::function<void(const char* name)>& each)
{
    DIR* handle = ::opendir(QFile::encodeName(dir).constData());
    if (!handle)
        return false;
    while (const dirent* entry = ::readdir(handle))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            each(entry->d_name);
    ::closedir(handle);
    return true;
}
