// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/BookKind.h"

#include "common/Paths.h"

#include <array>
#include <utility>

QString BookFileExtension(const QString& path)
{
    qsizetype i = path.size() - 1;
    while (i > 0 && path[i] != u'.' && path[i] != paths::kSeparator)
        --i;
    // Only a "." or a separator ends the extension; a path of one component without either is whole.
    const bool cut = i >= 0 && (path[i] == u'.' || path[i] == paths::kSeparator);
    QString extension = cut ? path.mid(i + 1) : path;
    for (QChar& c : extension)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    return extension;
}

BookKind BookKindOfExtension(const QString& extension)
{
    static constexpr std::array<std::pair<QStringView, BookKind>, 18> kKinds{{
        {u"zip", BookKind::Zip},
        {u"bdz", BookKind::Zip},
        {u"cbz", BookKind::Zip},
        {u"cbr", BookKind::Rar},
        {u"rar", BookKind::Rar},
        {u"cb7", BookKind::SevenZipTar},
        {u"7z", BookKind::SevenZipTar},
        {u"cbt", BookKind::SevenZipTar},
        {u"tar", BookKind::SevenZipTar},
        {u"pdf", BookKind::Pdf},
        {u"jpeg", BookKind::Image},
        {u"jpg", BookKind::Image},
        {u"png", BookKind::Image},
        {u"gif", BookKind::Image},
        {u"bmp", BookKind::Image},
        {u"webp", BookKind::Image},
        {u"avif", BookKind::Image},
        {u"jxl", BookKind::Image},
    }};
    for (const auto& [name, kind] : kKinds)
        if (extension == name)
            return kind;
    return BookKind::None;
}
