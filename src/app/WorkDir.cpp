// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WorkDir.h"

#include "common/Paths.h"
#include "common/platform/FolderLock.h"
#include "common/platform/Permissions.h"

#include <QFile>
#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
fs::path nativePath(const QString& path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

// The lock file of a scratch folder, beside it: inside, an archive's file of the same name would replace it.
QString lockFileOf(QString workDir)
{
    while (workDir.endsWith(paths::kSeparator))
        workDir.chop(1);
    return workDir + QStringLiteral(".lock");
}

bool isWorkDirName(const QString& name)
{
    return name.size() == 5 && std::all_of(name.begin(), name.end(), [](QChar c) { return c >= u'A' && c <= u'Y'; });
}

// True when a folder holds plain files only, as extracted pages and their temporary files are.
bool holdsPlainFilesOnly(const fs::path& folder)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; it != end; it.increment(ec)) {
        if (ec)
            return false;
        std::error_code typeError;
        if (it->symlink_status(typeError).type() != fs::file_type::regular)
            return false;
    }
    return !ec;
}

// True when WorkDir is still the real directory this run made (not replaced by a link meanwhile).
bool ownsWorkDir(const AppPaths& paths)
{
    if (!paths.workDirCreated || paths.WorkDir.isEmpty())
        return false;
    std::error_code ec;
    return fs::symlink_status(nativePath(paths.WorkDir), ec).type() == fs::file_type::directory;
}
} // namespace

QString DrawWorkDirName(std::mt19937& random)
{
    std::uniform_int_distribution<int> letter(0, 24);
    QString name;
    for (int i = 0; i < 5; ++i)
        name += QChar(u'A' + letter(random));
    return name;
}

bool CreateWorkDir(AppPaths& paths, const QString& parentDir, std::mt19937& random)
{
    paths.workDirCreated = false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        paths.WorkDir = parentDir + DrawWorkDirName(random) + paths::kSeparator;
        switch (MakePrivateDirectory(paths.WorkDir)) {
        case MadeDirectory::Made: {
            FolderLock lock = FolderLock::take(lockFileOf(paths.WorkDir));
            if (!lock.isHeld()) { // another run is clearing a folder of this name: draw again
                std::error_code ec;
                fs::remove(nativePath(paths.WorkDir), ec);
                break;
            }
            paths.workDirLock = std::make_shared<FolderLock>(std::move(lock));
            paths.workDirCreated = true;
            return true;
        }
        case MadeDirectory::Exists: break; // never taken over: another name is drawn
        case MadeDirectory::Failed: return false;
        }
    }
    return false;
}

void EmptyWorkDir(const AppPaths& paths)
{
    if (!ownsWorkDir(paths))
        return;
    std::error_code ec;
    for (fs::directory_iterator it(nativePath(paths.WorkDir), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code removeError;
        fs::remove_all(it->path(), removeError); // removes a link itself, not what it points to
    }
}

void RemoveWorkDir(const AppPaths& paths)
{
    if (!ownsWorkDir(paths))
        return;
    EmptyWorkDir(paths);
    std::error_code ec;
    fs::remove(nativePath(paths.WorkDir), ec);
    if (paths.workDirLock)
        paths.workDirLock->removeAndRelease(lockFileOf(paths.WorkDir));
}

int RemoveStaleWorkDirs(const QString& parentDir)
{
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(nativePath(parentDir), ec), end; !ec && it != end; it.increment(ec)) {
        const QString name = QFile::decodeName(QByteArray::fromStdString(it->path().filename().string()));
        std::error_code typeError;
        if (!isWorkDirName(name) || it->symlink_status(typeError).type() != fs::file_type::directory)
            continue;
        const QString lockFile = lockFileOf(parentDir + name);
        if (fs::symlink_status(nativePath(lockFile), typeError).type() != fs::file_type::regular)
            continue; // no lock: not a folder this program made
        FolderLock lock = FolderLock::take(lockFile);
        if (!lock.isHeld() || !holdsPlainFilesOnly(it->path()))
            continue; // a running copy's, or holding what the program never writes
        std::error_code removeError;
        for (fs::directory_iterator file(it->path(), removeError); !removeError && file != end;
             file.increment(removeError))
            fs::remove(file->path(), typeError);
        if (fs::remove(it->path(), removeError)) {
            lock.removeAndRelease(lockFile);
            ++removed;
        }
    }
    return removed;
}
