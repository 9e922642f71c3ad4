#include "book/PageDirectory.h"

#include <QFile>

#if defined(Q_OS_UNIX)
#include <dirent.h>
#else
#include <QDir>
#include <QDirIterator>
#endif

namespace {
bool isSelfOrParent(QByteArrayView name)
{
    return name == "." || name == "..";
}

#if defined(Q_OS_UNIX)
std::optional<PageNameList> listPages(const QString& dirPath)
{
    const QByteArray dir = QFile::encodeName(dirPath);
    DIR* handle = ::opendir(dir.constData());
    if (!handle)
        return std::nullopt;
    PageNameList pages;
    while (const dirent* entry = ::readdir(handle)) {
        const QByteArrayView name(entry->d_name);
        if (isSelfOrParent(name))
            continue;
        PageName page{QString(), LowerPageName(name)};
        if (!IsPageName(page.lowered))
            continue; // folders with a page-like name are listed like files
        page.name = QFile::decodeName(entry->d_name);
        pages.append(std::move(page));
    }
    ::closedir(handle);
    return pages;
}
#else
std::optional<PageNameList> listPages(const QString& dirPath)
{
    QDir dir(dirPath);
    if (!dir.exists())
        return std::nullopt;
    PageNameList pages;
    QDirIterator it(dirPath, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        PageName page = MakePageName(QFile::encodeName(it.fileName()));
        if (IsPageName(page.lowered) && !isSelfOrParent(page.lowered))
            pages.append(std::move(page));
    }
    return pages;
}
#endif
} // namespace

std::optional<PageNameList> ScanPageDirectory(const QString& dir)
{
    std::optional<PageNameList> pages = listPages(dir);
    if (pages)
        pages->sort();
    return pages;
}
