// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ComicInfo.xml an archive book may carry: whether its pages read right to left (manga order).

#include <QByteArray>
#include <QString>

// The file's bare name in the book's folder.
inline constexpr char kComicInfoName[] = "ComicInfo.xml";
// A larger one is not read: such a file holds a few lines of metadata.
inline constexpr qint64 kComicInfoLimit = 1 << 20;

// True when the document's root `ComicInfo` holds `<Manga>YesAndRightToLeft</Manga>`. Anything else,
// a broken document included, gives false.
bool ComicInfoReadsRightToLeft(const QByteArray& xml);

// The same for the ComicInfo.xml of folder `dir` (ending in "/"): false when there is none, it is no
// regular file, or it is larger than kComicInfoLimit.
bool BookReadsRightToLeft(const QString& dir);
