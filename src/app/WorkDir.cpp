#include "app/WorkDir.h"

#include "common/Paths.h"
#include "common/platform/Permissions.h"

#include <QFile>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
fs::path nativePath(const QString& path)
{
    return fs::path(QFile::encodeName(path).toStdString());
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
        case MadeDirectory::Made: paths.workDirCreated = true; return true;
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
}
