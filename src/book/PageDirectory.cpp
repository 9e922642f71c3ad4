#include "book/PageDirectory.h"

#include <QFile>

#if defined(Q_OS_UNIX)
#include <dirent.h>
#include <sys/stat.h>
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
bool isDirectoryEntry(const QByteArray& dir, const dirent& entry)
{
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat info {};
    return ::stat((dir + entry.d_name).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

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
        if (!IsPageName(page.lowered) || isDirectoryEntry(dir, *entry))
            continue;
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
    QDirIterator it(dirPath, QDir::Files | QDir::Hidden | QDir::System);
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
