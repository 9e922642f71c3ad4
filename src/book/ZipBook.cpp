#include "book/ZipBook.h"

#include "book/archive/BookChooser.h"
#include "book/archive/ZipEntry.h"
#include "book/archive/ZipFallback.h"
#include "book/archive/ZipFileIo.h"
#include "book/archive/ZipListing.h"
#include "common/ShowMessage.h"

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace {
// The reader's pick: asked only when the folders branch, otherwise everything.
QString chooseZipBook(const QString& archivePath)
{
    const BookTree tree = ListZipFolders(archivePath);
    if (!FoldersBranch(tree))
        return {};
    return BookChoiceText(ChooseBookFolder(tree, ArchiveFamily::Zip), ArchiveFamily::Zip);
}

// Walks every entry; true when the walk reached the last one.
bool walkEntries(unzFile zip, ZipWalk& walk)
{
    unz_global_info64 global{};
    if (const int r = unzGetGlobalInfo64(zip, &global); r != UNZ_OK) {
        ShowMessage(QStringLiteral("error %1 with zipfile in unzGetGlobalInfo \n").arg(r), QStringLiteral("Zip Error"));
        return false;
    }
    for (ZPOS64_T i = 0; i < global.number_entry;) {
        if (ExtractZipEntry(zip, walk) != UNZ_OK) {
            ShowMessage(QStringLiteral("Error within ZIP file, some pages my look strange"),
                        QStringLiteral("Zip Error"));
            // A disk about to fill stops the walk after one message; the pages written so far open.
            if (walk.diskFull)
                return true;
        }
        if (++i == global.number_entry)
            break;
        if (unzGoToNextFile(zip) != UNZ_OK)
            return false;
    }
    return true;
}
} // namespace

int ExtractZipBook(const QString& archivePath, const QString& workDir)
{
    ZipWalk walk(archivePath, workDir);
    walk.BookChoice = chooseZipBook(archivePath);

    unzFile zip = OpenZipArchive(archivePath);
    if (!zip) {
        // This minizip refuses an archive without entries; that one is a book without pages, not a fault.
        if (ZipFallback::isEmptyArchive(archivePath))
            return 0;
        ShowMessage(QStringLiteral("Zip failed"), QStringLiteral("Error"));
        return 1;
    }
    walk.workDirFd = ::open(QFile::encodeName(workDir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    bool completed = false;
    if (walk.workDirFd >= 0) {
        completed = walkEntries(zip, walk);
        ::close(walk.workDirFd);
    }
    unzClose(zip);
    return completed ? 0 : 1;
}
