// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/BookPathCheck.h"

#include "book/BookKind.h"

#include <QFileInfo>

std::optional<Message> UnopenableBook(const QString& path)
{
    const QString caption = QStringLiteral("Error");
    const QFileInfo info(path);
    if (!info.exists())
        return Message{QStringLiteral("\"%1\" does not exist").arg(path), caption};
    if (!info.isReadable())
        return Message{QStringLiteral("\"%1\" cannot be read").arg(path), caption};
    if (!info.isDir() && BookKindOfExtension(BookFileExtension(path)) == BookKind::None)
        return Message{QStringLiteral("\"%1\" is not a book").arg(path), caption};
    return std::nullopt;
}
