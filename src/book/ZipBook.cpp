#include "book/ZipBook.h"

#include "book/archive/BookChooser.h"
#include "book/archive/ZipEntry.h"
#include "book/archive/ZipFallback.h"
#include "book/archive/ZipFileIo.h"
#include "book/archive/ZipListing.h"
#include "common/ShowMessage.h"

#include <QFile>
#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>
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

// One entry that failed, by its place in the archive.
struct EntryFailure {
    ZPOS64_T index;
    bool diskFull;
};

// Walks the entries whose place is `first`, `first` + `step`, ... (all of them with a step of 1) and
// notes the ones that fail. True when the walk reached the last entry; a disk about to fill stops it
// early, and `stop` tells the other walk to stop too.
bool walkEntries(unzFile zip, ZipWalk& walk, ZPOS64_T count, ZPOS64_T first, ZPOS64_T step,
                 std::atomic<bool>& stop, std::vector<EntryFailure>& failures)
{
    for (ZPOS64_T i = 0; i < count && !stop.load(std::memory_order_relaxed);) {
        if (i % step == first && ExtractZipEntry(zip, walk) != UNZ_OK) {
            failures.push_back({i, walk.diskFull});
            if (walk.diskFull) {
                stop = true;
                return true;
            }
        }
        if (++i == count)
            break;
        if (unzGoToNextFile(zip) != UNZ_OK)
            return false;
    }
    return true;
}

// Inflating is the slow part of a deflated book, so a second walk on a second handle of the archive
// takes every other entry when the machine has a core for it. Messages are shown afterwards, on this
// thread, in entry order.
bool extractAll(unzFile zip, ZipWalk& walk, const QString& archivePath, const QString& workDir)
{
    unz_global_info64 global{};
    if (const int r = unzGetGlobalInfo64(zip, &global); r != UNZ_OK) {
        ShowMessage(QStringLiteral("error %1 with zipfile in unzGetGlobalInfo \n").arg(r), QStringLiteral("Zip Error"));
        return false;
    }
    std::atomic<bool> stop{false};
    std::vector<EntryFailure> failures;
    bool completed = false;

    unzFile second = nullptr;
    std::unique_ptr<ZipWalk> secondWalk;
    if (global.number_entry >= 4 && std::thread::hardware_concurrency() > 1) {
        second = OpenZipArchive(archivePath);
        secondWalk = std::make_unique<ZipWalk>(archivePath, workDir);
        if (!second || !secondWalk->output.allocate()) {
            if (second)
                unzClose(second);
            second = nullptr;
        }
    }
    if (!walk.output.allocate()) {
        ShowMessage(QStringLiteral("Error allocating memory\n"), QStringLiteral("Zip Error"));
        failures.push_back({0, false});
    }
    if (second) {
        secondWalk->BookChoice = walk.BookChoice;
        secondWalk->workDirFd = walk.workDirFd;
        walk.writers = secondWalk->writers = 2;
        std::vector<EntryFailure> secondFailures;
        bool secondCompleted = false;
        std::thread helper([&] {
            secondCompleted = walkEntries(second, *secondWalk, global.number_entry, 1, 2, stop, secondFailures);
        });
        completed = walkEntries(zip, walk, global.number_entry, 0, 2, stop, failures);
        helper.join();
        unzClose(second);
        completed = completed && secondCompleted;
        failures.insert(failures.end(), secondFailures.begin(), secondFailures.end());
        std::sort(failures.begin(), failures.end(),
                  [](const EntryFailure& a, const EntryFailure& b) { return a.index < b.index; });
    } else {
        completed = walkEntries(zip, walk, global.number_entry, 0, 1, stop, failures);
    }
    for (const EntryFailure& failure : failures) {
        ShowMessage(QStringLiteral("Error within ZIP file, some pages my look strange"), QStringLiteral("Zip Error"));
        if (failure.diskFull)
            return true; // one message; the pages written so far open
    }
    return completed || stop;
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
        completed = extractAll(zip, walk, archivePath, workDir);
        ::close(walk.workDirFd);
    }
    unzClose(zip);
    return completed ? 0 : 1;
}
