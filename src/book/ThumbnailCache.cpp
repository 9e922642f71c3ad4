// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/ThumbnailCache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

const QString kStampName = QStringLiteral("book.stamp");

QByteArray stampOf(const QString& bookPath, int size)
{
    const QFileInfo book(bookPath);
    return QByteArray::number(book.size()) + ' '
        + QByteArray::number(book.lastModified().toMSecsSinceEpoch()) + ' '
        + QByteArray::number(size) + '\n';
}

} // namespace

QString ThumbnailFile(const QString& folder, std::int32_t index)
{
    if (index == 0)
        return folder + QStringLiteral("cover.png");
    return folder + QStringLiteral("p%1.png").arg(index + 1);
}

bool PrepareThumbnailFolder(const QString& folder, const QString& bookPath, int size)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const QByteArray stamp = stampOf(bookPath, size);
    QFile old(folder + kStampName);
    const bool same = old.open(QIODevice::ReadOnly) && old.readAll() == stamp;
    old.close();
    if (!same) {
        QDir dir(folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.png")}, QDir::Files | QDir::Hidden))
            dir.remove(name);
    }
    // Written again even when it says the same, so the folder counts as used now.
    QSaveFile file(folder + kStampName);
    return file.open(QIODevice::WriteOnly) && file.write(stamp) == stamp.size() && file.commit();
}

std::vector<QString> FoldersToPrune(std::vector<CachedFolder> folders, std::int64_t capBytes, const QString& keep)
{
    std::int64_t total = 0;
    for (const CachedFolder& f : folders)
        total += f.bytes;
    std::stable_sort(folders.begin(), folders.end(),
                     [](const CachedFolder& a, const CachedFolder& b) { return a.used < b.used; });
    std::vector<QString> removed;
    for (const CachedFolder& f : folders) {
        if (total <= capBytes)
            break;
        if (f.name == keep)
            continue;
        removed.push_back(f.name);
        total -= f.bytes;
    }
    return removed;
}

void PruneThumbnailRoot(const QString& root, std::int64_t capBytes, const QString& keep)
{
    if (root.isEmpty())
        return;
    std::vector<CachedFolder> folders;
    const QFileInfoList entries = QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        CachedFolder folder{entry.fileName(), 0, {}};
        QDateTime used;
        for (const QFileInfo& file : QDir(entry.filePath()).entryInfoList(QDir::Files | QDir::Hidden)) {
            folder.bytes += file.size();
            used = std::max(used, file.lastModified());
        }
        folder.used = used.isValid() ? used : entry.lastModified();
        folders.push_back(std::move(folder));
    }
    for (const QString& name : FoldersToPrune(std::move(folders), capBytes, keep))
        QDir(root + name).removeRecursively();
}
