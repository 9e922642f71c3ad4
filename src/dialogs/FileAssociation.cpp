// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/FileAssociation.h"

#include "common/RegularFile.h"
#include "common/platform/Permissions.h"

#include "dialogs/association/DesktopFiles.h"
#include "dialogs/association/MimeAppsList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
constexpr int kToolMilliseconds = 10000;

// The user's own folders, or nothing when the environment names a relative one (which the XDG rules
// say to ignore, and which would point wherever the program happens to run).
QString userFolder(QStandardPaths::StandardLocation location)
{
    const QString dir = QStandardPaths::writableLocation(location);
    return QDir::isAbsolutePath(dir) ? dir + u'/' : QString();
}

QString mimeAppsListPath()
{
    const QString config = userFolder(QStandardPaths::GenericConfigLocation);
    return config.isEmpty() ? QString() : config + QStringLiteral("mimeapps.list");
}

// The class's desktop entry in the user's data folder.
QString classEntryPath(const QString& className)
{
    const QString data = userFolder(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString()
                          : data + QStringLiteral("applications/") + QString::fromUtf8(DesktopIdFor(className));
}

bool isInside(const QString& path, const QString& folder)
{
    return !folder.isEmpty() && QDir::cleanPath(path).startsWith(QDir::cleanPath(folder) + u'/');
}

// What a list holds, or nothing when it can't be read as one: only a regular file is read, so a FIFO
// or a device at the name is never waited on; a file too long to be edited reads as its first part.
std::optional<QByteArray> readList(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QByteArray();
    return ReadRegularFile(path, kMaxMimeAppsListBytes + 1);
}

// Replaces `path` with `bytes` all at once, or leaves it as it was. A read-only file is the user's
// "leave this alone" (for root too); a link is written through only to a file inside the user's own
// folders.
bool writeFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !(info.permissions() & QFile::WriteOwner) || !IsWritableByUser(path)))
        return false;
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!isInside(target, QDir::homePath()) && !isInside(target, userFolder(QStandardPaths::GenericConfigLocation))
            && !isInside(target, userFolder(QStandardPaths::GenericDataLocation)))
            return false;
    }
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// Writes `bytes` unless the file already holds them; true when it was written.
bool writeIfChanged(const QString& path, const QByteArray& bytes)
{
    QFile current(path);
    if (QFileInfo(path).isFile() && current.open(QIODevice::ReadOnly) && current.read(bytes.size() + 1) == bytes)
        return false;
    return writeFile(path, bytes);
}

// Rebuilds the MIME database of our data folder, when the desktop's tool for it is installed.
void refreshMimeDatabase(const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (program.isEmpty())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {folder});
    if (process.waitForStarted() && !process.waitForFinished(kToolMilliseconds))
        process.kill();
}

// The default application lists the desktop reads, in the order it reads them.
QStringList mimeAppsLists()
{
    QStringList names;
    for (const QString& desktop : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        names << desktop.toLower() + QStringLiteral("-mimeapps.list");
    names << QStringLiteral("mimeapps.list");
    QStringList lists;
    auto addFolder = [&](const QString& folder) {
        if (QDir::isAbsolutePath(folder))
            for (const QString& name : names)
                lists << folder + u'/' + name;
    };
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        addFolder(folder);
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        addFolder(folder + QStringLiteral("/applications"));
    return lists;
}

bool isInstalledEntry(const QByteArray& desktopId)
{
    return !QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                   QStringLiteral("applications/") + QString::fromUtf8(desktopId))
                .isEmpty();
}
} // namespace

QStringList AssociableExtensions()
{
    return {QStringLiteral(".BDz"), QStringLiteral(".cbz"), QStringLiteral(".cbr"), QStringLiteral(".pdf")};
}

bool IsAssociated(const QString& className, const QString& extension)
{
    const QByteArray mimeType = MimeTypeForExtension(extension);
    if (mimeType.isEmpty())
        return false;
    for (const QString& path : mimeAppsLists()) {
        const QByteArrayList ids = DefaultApplications(readList(path).value_or(QByteArray()), mimeType);
        for (const QByteArray& id : ids)
            if (isInstalledEntry(id))
                return id == DesktopIdFor(className);
    }
    return false;
}

void SetAssociation(const QString& value, const QString& extension)
{
    const QByteArray mimeType = MimeTypeForExtension(extension);
    const QString path = mimeAppsListPath();
    if (mimeType.isEmpty() || path.isEmpty())
        return;
    const std::optional<QByteArray> list = readList(path);
    if (!list)
        return;
    const QString className = value.isEmpty() ? QString::fromLatin1(kBookClassName) : value;
    const std::optional<QByteArray> edited = value.isEmpty()
        ? WithoutDefaultApplication(*list, mimeType, DesktopIdFor(className))
        : WithDefaultApplication(*list, mimeType, DesktopIdFor(className));
    if (!edited || (*edited != *list && !writeFile(path, *edited)))
        return;
    // The class's own entry declares the type only while it is associated.
    const QString entryPath = classEntryPath(className);
    if (!entryPath.isEmpty() && QFileInfo(entryPath).isFile())
        if (const std::optional<QByteArray> entry = readList(entryPath))
            writeIfChanged(entryPath, WithDeclaredMimeType(*entry, mimeType, !value.isEmpty()));
}

void RegisterBookClass(const QString& className)
{
    const QString data = userFolder(QStandardPaths::GenericDataLocation);
    const std::optional<QByteArray> exec = ExecLineFor(QCoreApplication::applicationFilePath());
    if (data.isEmpty() || !exec)
        return;
    // The types associated so far stay declared. No mimeinfo.cache is built beside the entry: the
    // desktop would take the program as the fallback default of every type it lists.
    const QString entryPath = classEntryPath(className);
    QByteArrayList types = UnlistedBookMimeTypes();
    if (QFileInfo(entryPath).isFile())
        for (const QByteArray& type : DeclaredMimeTypes(readList(entryPath).value_or(QByteArray())))
            if (!types.contains(type))
                types << type;
    writeIfChanged(entryPath, DesktopEntryText(className, *exec, types));

    QFile icon(QStringLiteral(":/icons/bullevista.svg"));
    if (icon.open(QIODevice::ReadOnly))
        writeIfChanged(data + QStringLiteral("icons/hicolor/scalable/apps/") + QString::fromLatin1(kIconName)
                           + QStringLiteral(".svg"),
                       icon.readAll());

    const QString mime = data + QStringLiteral("mime/");
    if (writeIfChanged(mime + QStringLiteral("packages/") + QString::fromLatin1(kMimePackageName), MimePackageXml())
        || !QFileInfo::exists(mime + QStringLiteral("mime.cache")))
        refreshMimeDatabase(mime);
}
