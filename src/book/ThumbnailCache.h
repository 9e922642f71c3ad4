// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The books' small pages kept on disk: one folder per book under the thumbnail root (see
// BookCacheFolder.h), page 1 as cover.png (the recent books show it), the others as p<number>.png, and a
// stamp naming the book file's size and modification time with the thumbnail size, so a replaced book
// or another size never shows old pictures. The root is kept under a total size: the folders used
// longest ago go first.

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

// The largest side of a thumbnail, in pixels.
inline constexpr int kThumbnailSize = 200;
// The most the thumbnail root holds, all books together.
inline constexpr std::int64_t kThumbnailCacheBytes = std::int64_t(150) << 20;

// The file of page `index` (0-based) in a book's folder (ending in "/").
QString ThumbnailFile(const QString& folder, std::int32_t index);

// Makes `folder` the thumbnails of `bookPath` at `size`: a folder stamped for another version of the
// book, or another size, is emptied first. False when the folder can't be made or stamped.
bool PrepareThumbnailFolder(const QString& folder, const QString& bookPath, int size);

struct CachedFolder {
    QString name;
    std::int64_t bytes = 0;
    QDateTime used; // its last change
};

// The folders to remove so the rest holds at most `capBytes`: the least recently used first, never
// `keep`.
std::vector<QString> FoldersToPrune(std::vector<CachedFolder> folders, std::int64_t capBytes, const QString& keep);

// Removes folders of `root` (ending in "/") by FoldersToPrune, keeping the folder named `keep`.
void PruneThumbnailRoot(const QString& root, std::int64_t capBytes, const QString& keep);
