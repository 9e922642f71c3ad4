// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppPaths.h"

#include "common/Paths.h"
#include "common/platform/Permissions.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ExeDirOf(const QString& exePath)
{
    return paths::directoryOf(exePath);
}

QString SettingsFileFor(const QString& exePath)
{
    const qsizetype nameStart = exePath.lastIndexOf(paths::kSeparator) + 1;
    const qsizetype dot = exePath.indexOf(u'.', nameStart);
    if (dot < 0)
        return exePath + QStringLiteral(".ini");
    return exePath.left(dot + 1) + QStringLiteral("ini");
}

bool IsWritableDirectory(const QString& dir)
{
    return IsWritableByUser(dir);
}

bool IsInstalledCopy(const QString& exeDir)
{
    return paths::isDirectory(exeDir + QStringLiteral("../share/bullevista"));
}

QString ResolveAppPaths(AppPaths& paths, const QString& exePath, bool exeDirWritable, const QString& configHome,
                        const QString& cacheHome)
{
    paths.ExeDir = ExeDirOf(exePath);
    if (exeDirWritable) {
        paths.settingsFile = SettingsFileFor(exePath);
        return paths.ExeDir;
    }
    const QString configDir = paths::withTrailingSeparator(configHome) + QStringLiteral("bullevista/");
    const QString cacheDir = paths::withTrailingSeparator(cacheHome) + QStringLiteral("bullevista/");
    QDir().mkpath(configDir);
    QDir().mkpath(cacheDir);
    paths.settingsFile = configDir + QStringLiteral("bullevista.ini");
    return cacheDir;
}

void ResolveUserDataPaths(AppPaths& paths, const QString& dataHome, const QString& cacheHome)
{
    if (!dataHome.isEmpty())
        paths.historyFile = paths::withTrailingSeparator(dataHome) + QStringLiteral("bullevista/history.sqlite");
    if (!cacheHome.isEmpty())
        paths.thumbnailRoot = paths::withTrailingSeparator(cacheHome) + QStringLiteral("bullevista/thumbnails/");
}

QString SettingsFileToRead(const QString& settingsFile, const QString& exeDir)
{
    if (paths::exists(settingsFile))
        return settingsFile;
    for (const QString& defaults :
         {exeDir + QStringLiteral("defaults.ini"), exeDir + QStringLiteral("../share/bullevista/defaults.ini")})
        if (QFileInfo(defaults).isFile())
            return QDir::cleanPath(defaults);
    return settingsFile;
}

namespace {
QStringList dataRoots(const QString& exeDir, const QString& folder)
{
    QStringList roots{exeDir + folder + u'/',
                      QDir::cleanPath(exeDir + QStringLiteral("../share/bullevista/") + folder) + u'/'};
    for (const QString& dir :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("bullevista/") + folder,
                                   QStandardPaths::LocateDirectory))
        roots << paths::withTrailingSeparator(dir);
    roots.removeDuplicates();
    return roots;
}
} // namespace

QStringList SkinRoots(const QString& exeDir)
{
    return dataRoots(exeDir, QStringLiteral("skins"));
}

QStringList LangRoots(const QString& exeDir)
{
    return dataRoots(exeDir, QStringLiteral("lang"));
}
