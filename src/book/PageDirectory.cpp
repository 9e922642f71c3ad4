// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/PageDirectory.h"

#include "common/platform/DirectoryNames.h"

#include <QFile>

std::optional<PageNameList> ScanPageDirectory(const QString& dir, PageOrder order)
{
    PageNameList pages;
    const bool listed = ListDirectoryNames(dir, [&pages](const char* name) {
        PageName page{QString(), LowerPageName(QByteArrayView(name))};
        if (!IsPageName(page.lowered))
            return; // folders with a page-like name are listed like files
        page.name = QFile::decodeName(name);
        pages.append(std::move(page));
    });
    if (!listed)
        return std::nullopt;
    pages.sort(order);
    return pages;
}
