// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/BookCacheFolder.h"

#include <QCryptographicHash>

QString BookThumbnailFolder(const QString& thumbnailRoot, const QString& canonicalBookPath)
{
    if (thumbnailRoot.isEmpty() || canonicalBookPath.isEmpty())
        return {};
    const QByteArray digest = QCryptographicHash::hash(canonicalBookPath.toUtf8(), QCryptographicHash::Sha1).toHex();
    return thumbnailRoot + QString::fromLatin1(digest) + u'/';
}
