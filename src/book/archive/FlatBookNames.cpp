// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/FlatBookNames.h"

#include "book/PageList.h"
#include "book/archive/ArchiveNames.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <climits>

namespace {
QStringList componentsOf(const QString& path)
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == u'/' || path[i] == u'\\') {
            if (i > start)
                parts << path.mid(start, i - start);
            start = i + 1;
        }
    }
    return parts;
}

// The folders of `path` joined by "_", without those that name nothing ('.', '..', a drive letter).
QString folderPrefix(const QString& path)
{
    QStringList folders = componentsOf(path);
    if (!folders.isEmpty())
        folders.removeLast();
    QStringList kept;
    for (const QString& folder : folders)
        if (folder != u"." && folder != u".." && !(folder.size() == 2 && folder[1] == u':'))
            kept << folder;
    return kept.join(u'_');
}

// `prefix` + "_" + `bare`, cut from the front of the prefix until it fits a file name.
QByteArray joinedName(QString prefix, const QString& bare)
{
    for (;;) {
        const QByteArray name = QFile::encodeName(prefix.isEmpty() ? bare : prefix + u'_' + bare);
        if (name.size() <= NAME_MAX || prefix.isEmpty())
            return name;
        prefix.remove(0, 1);
    }
}
} // namespace

std::vector<QByteArray> FlatBookNames(const std::vector<QString>& paths)
{
    const std::size_t n = paths.size();
    std::vector<QByteArray> bare(n);
    std::vector<bool> isPage(n);
    QHash<QString, std::size_t> lastWithPath;
    for (std::size_t i = 0; i < n; ++i) {
        bare[i] = QFile::encodeName(SafeBareName(paths[i]));
        isPage[i] = IsPageName(LowerPageName(bare[i]));
        lastWithPath[paths[i]] = i;
    }
    // How many kept pages share each bare name, and the last file of each other bare name.
    QHash<QByteArray, int> pagesWithName;
    QHash<QByteArray, std::size_t> lastOtherWithName;
    for (std::size_t i = 0; i < n; ++i) {
        if (lastWithPath.value(paths[i]) != i)
            continue;
        if (isPage[i])
            ++pagesWithName[bare[i]];
        else
            lastOtherWithName[bare[i]] = i;
    }
    std::vector<QByteArray> names(n);
    QSet<QByteArray> taken;
    std::vector<std::size_t> shared;
    for (std::size_t i = 0; i < n; ++i) {
        if (lastWithPath.value(paths[i]) != i)
            continue;
        if (!isPage[i]) {
            if (lastOtherWithName.value(bare[i]) == i)
                taken.insert(names[i] = bare[i]);
        } else if (pagesWithName.value(bare[i]) == 1) {
            taken.insert(names[i] = bare[i]);
        } else {
            shared.push_back(i);
        }
    }
    // Named after the others, so a page that keeps its own bare name is never renamed away.
    for (const std::size_t i : shared) {
        const QString prefix = folderPrefix(paths[i]);
        const QString bareText = QFile::decodeName(bare[i]);
        QByteArray name = joinedName(prefix, bareText);
        for (int k = 2; taken.contains(name); ++k)
            name = joinedName(prefix + u'~' + QString::number(k), bareText);
        taken.insert(names[i] = name);
    }
    return names;
}

int CompareBookPaths(const QString& a, const QString& b, PageOrder pageOrder)
{
    const QStringList x = componentsOf(a);
    const QStringList y = componentsOf(b);
    const qsizetype shared = std::min(x.size(), y.size());
    for (qsizetype j = 0; j < shared; ++j) {
        const QByteArray lx = LowerPageName(QFile::encodeName(x[j]));
        const QByteArray ly = LowerPageName(QFile::encodeName(y[j]));
        if (pageOrder == PageOrder::Natural)
            if (const int order = CompareNaturalNames(lx, ly))
                return order;
        if (const int order = ComparePageNames(lx, ly))
            return order;
    }
    return x.size() < y.size() ? -1 : (x.size() > y.size() ? 1 : 0);
}
