// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/preferences/SkinFolders.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

std::optional<QStringList> SkinFolderNames(const QStringList& roots)
{
    bool anyListed = false;
    QStringList names;
    for (const QString& root : roots) {
        const QFileInfo info(root);
        if (!info.isDir() || !info.isReadable())
            continue;
        anyListed = true;
        // A skin is loaded from the first root holding its name, so a name found twice is one skin.
        names += QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    if (!anyListed)
        return std::nullopt;
    names.removeDuplicates();
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}
