#include "book/ZipBook.h"

#include "book/archive/BookChooser.h"
#include "book/archive/ExtractionAllowance.h"
#include "book/archive/ZipEntry.h"
#include "book/archive/ZipFallback.h"
#include "book/archive/ZipFileIo.h"
#include "book/archive/ZipListing.h"
#include "common/ShowMessage.h"

#include <QFile>
#include <algorithm>
#include <atomic>
#include <fcntl.h>
#include <memory>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
const QString kZipError = QStringLiteral("Zip Error");

// The reader's pick: asked only when the folders branch, otherwise everything.
QString chooseZipBook(const QString& archivePath)
{
    const BookTree tree = ListZipFolders(archivePath);
    if (!FoldersBranch(tree))
        return {};
    return BookChoiceText(ChooseBookFolder(tree, ArchiveFamily::Zip), ArchiveFamily::Zip);
}

void refuseBomb()
{
    ShowMessage(QStringLiteral("ZIP file would unpack to far more than its own size, nothing was extracted"),
                kZipError);
}

// One entry that failed, by its place in the archive.
struct EntryFailure {
    std::size_t entry;
    bool diskFull;
    bool outOfMemory;
};

// Extracts the planned entries `first`, `first` + `step`, ... and notes the ones that fail. A disk
// about to fill stops the walk, and `stop` tells the other walk to stop too.
void walkPlan(unzFile zip, ZipWalk& walk, const ZipDirectory& directory, const ZipPlan& plan, std::size_t first,
              std::size_t step, std::atomic<bool>& stop, std::vector<EntryFailure>& failures)
{
    for (std::size_t k = first; k < plan.entries.size() && !stop.load(std::memory_order_relaxed); k += step) {
        const PlannedEntry& planned = plan.entries[k];
        if (ExtractZipEntry(zip, walk, directory.entries[planned.entry], planned) == UNZ_OK)
            continue;
        failures.push_back({planned.entry, walk.diskFull, walk.outOfMemory});
        walk.outOfMemory = false;
        if (walk.diskFull) {
            stop = true;
            return;
        }
    }
}

// Inflating is the slow part of a deflated book, so a second walk on a second handle of the archive
// takes every other planned entry when the machine has a core for it. The plan holds each bare name
// once, so the two walks never write the same file. Messages are shown afterwards, on this thread, in
// entry order.
void extractPlan(unzFile zip, ZipWalk& walk, const ZipDirectory& directory, const ZipPlan& plan,
                 const QString& archivePath)
{
    std::atomic<bool> stop{false};
    std::vector<EntryFailure> failures;

    unzFile second = nullptr;
    std::unique_ptr<ZipWalk> secondWalk;
    if (plan.entries.size() >= 4 && std::thread::hardware_concurrency() > 1) {
        second = OpenZipArchive(archivePath);
        secondWalk = std::make_unique<ZipWalk>(archivePath, walk.workDir);
        if (!second || !secondWalk->output.allocate()) {
            if (second)
                unzClose(second);
            second = nullptr;
        }
    }
    if (second) {
        secondWalk->workDirFd = walk.workDirFd;
        walk.writers = secondWalk->writers = 2;
        std::vector<EntryFailure> secondFailures;
        std::thread helper([&] { walkPlan(second, *secondWalk, directory, plan, 1, 2, stop, secondFailures); });
        walkPlan(zip, walk, directory, plan, 0, 2, stop, failures);
        helper.join();
        unzClose(second);
        failures.insert(failures.end(), secondFailures.begin(), secondFailures.end());
        std::sort(failures.begin(), failures.end(),
                  [](const EntryFailure& a, const EntryFailure& b) { return a.entry < b.entry; });
    } else {
        walkPlan(zip, walk, directory, plan, 0, 1, stop, failures);
    }
    for (const EntryFailure& failure : failures) {
        if (failure.outOfMemory)
            ShowMessage(QStringLiteral("Error allocating memory\n"), kZipError);
        ShowMessage(QStringLiteral("Error within ZIP file, some pages my look strange"), kZipError);
        if (failure.diskFull)
            return; // one message; the pages written so far open
    }
}
} // namespace

int ExtractZipBook(const QString& archivePath, const QString& workDir)
{
    // Entries that share their data are refused before the reader is asked anything.
    unzFile zip = OpenZipArchive(archivePath);
    std::optional<ZipDirectory> directory;
    if (zip)
        directory = ReadZipDirectory(archivePath);
    if (directory && EntriesOverlap(*directory)) {
        unzClose(zip);
        refuseBomb();
        return 1;
    }
    const QString BookChoice = chooseZipBook(archivePath);
    if (!zip) {
        // This minizip refuses an archive without entries; that one is a book without pages, not a fault.
        if (ZipFallback::isEmptyArchive(archivePath))
            return 0;
        ShowMessage(QStringLiteral("Zip failed"), QStringLiteral("Error"));
        return 1;
    }
    unz_global_info64 global{};
    if (const int r = unzGetGlobalInfo64(zip, &global); r != UNZ_OK) {
        ShowMessage(QStringLiteral("error %1 with zipfile in unzGetGlobalInfo \n").arg(r), kZipError);
        unzClose(zip);
        return 1;
    }
    if (!directory) {
        unzClose(zip);
        ShowMessage(QStringLiteral("Zip failed"), QStringLiteral("Error"));
        return 1;
    }
    const ZipPlan plan = PlanZipBook(*directory, BookChoice);
    if (plan.unpackedBytes > ExtractionAllowance(directory->fileSize)) {
        unzClose(zip);
        refuseBomb();
        return 1;
    }
    ZipWalk walk(archivePath, workDir);
    walk.workDirFd = ::open(QFile::encodeName(workDir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (walk.workDirFd >= 0) {
        extractPlan(zip, walk, *directory, plan, archivePath);
        ::close(walk.workDirFd);
    }
    unzClose(zip);
    // A directory that breaks off before its last entry fails the book, as a walk that can't move on
    // to the next entry always has; what was written stays.
    return walk.workDirFd >= 0 && directory->complete ? 0 : 1;
}
