// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/BookTree.h"

#include <algorithm>

namespace {
bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}
} // namespace

bool FolderNameLess(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

void InsertFolderPath(BookTree& tree, const QString& path)
{
    std::vector<BookTreeItem>* level = &tree.top;
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isSeparator(path[i]))
            continue;
        const QString component = path.mid(start, i - start);
        start = i + 1;
        auto found = std::find_if(level->begin(), level->end(),
                                  [&](const BookTreeItem& item) { return item.text == component; });
        if (found == level->end()) {
            // After every sibling that is not greater, so equal-looking names keep their arrival order.
            auto at = std::upper_bound(
                level->begin(), level->end(), component,
                [](const QString& name, const BookTreeItem& item) { return FolderNameLess(name, item.text); });
            found = level->insert(at, BookTreeItem{component, {}});
        }
        level = &found->children;
    }
}

void InsertEntryFolders(BookTree& tree, const QString& entryName)
{
    for (qsizetype i = entryName.size() - 1; i >= 0; --i) {
        if (isSeparator(entryName[i]))
            InsertFolderPath(tree, entryName.left(i + 1));
    }
}

bool FoldersBranch(const BookTree& tree)
{
    const std::vector<BookTreeItem>* level = &tree.top;
    while (!level->empty()) {
        if (level->size() > 1)
            return true;
        level = &level->front().children;
    }
    return false;
}

QString BookChoiceText(const QStringList& folders, ArchiveFamily family)
{
    if (family == ArchiveFamily::Rar)
        return folders.join(u'\\');
    QString choice;
    for (const QString& folder : folders)
        choice += folder + u'/';
    return choice;
}
