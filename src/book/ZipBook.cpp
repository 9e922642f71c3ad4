#include "book/ZipBook.h"

#include "book/archive/BookChooser.h"
#include "book/archive/ExtractionAllowance.h"
#include "book/archive/ZipEntry.h"
#include "book/archive/ZipFallback.h"
#include "book/archive/ZipFileIo.h"
#include "book/archive/ZipListing.h"
#include "common/ShowMessage.h"

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

// Writes planned entries one at a time, in whatever order the worker asks for them: minizip finds each
// entry by its central record.
class ZipFileWriter : public ArchiveFileWriter {
public:
    ZipFileWriter(unzFile zip, const QString& archivePath, const QString& workDir, ZipDirectory directory,
                  const ZipPlan& plan)
        : m_zip(zip), m_walk(archivePath, workDir), m_directory(std::move(directory)),
          m_overruns(m_directory.entries.size(), false)
    {
        for (const PlannedEntry& planned : plan.entries)
            m_overruns[planned.entry] = planned.overruns;
    }
    ~ZipFileWriter() override { unzClose(m_zip); }

    FileResult write(const ExtractionFile& file, const DirectoryHandle& dir, const QByteArray& tempName,
                     const std::atomic<bool>& cancelled) override
    {
        m_walk.workDirHandle = &dir;
        m_walk.cancelled = &cancelled;
        const PlannedEntry planned{file.entry, tempName, bool(m_overruns[file.entry])};
        FileResult result;
        result.written = ExtractZipEntry(m_zip, m_walk, m_directory.entries[file.entry], planned) == UNZ_OK;
        if (!result.written && !cancelled) {
            if (m_walk.outOfMemory)
                result.messages.push_back({QStringLiteral("Error allocating memory\n"), kZipError});
            result.messages.push_back({QStringLiteral("Error within ZIP file, some pages my look strange"), kZipError});
            result.stop = m_walk.diskFull; // one message; the pages written so far open
        }
        m_walk.outOfMemory = false;
        return result;
    }

private:
    unzFile m_zip;
    ZipWalk m_walk;
    ZipDirectory m_directory;
    std::vector<char> m_overruns; // per directory entry
};
} // namespace

std::optional<ArchiveBookPlan> PlanZipArchiveBook(const QString& archivePath, const QString& workDir)
{
    // Entries that share their data are refused before the reader is asked anything.
    unzFile zip = OpenZipArchive(archivePath);
    std::optional<ZipDirectory> directory;
    if (zip)
        directory = ReadZipDirectory(archivePath);
    if (directory && EntriesOverlap(*directory)) {
        unzClose(zip);
        refuseBomb();
        return std::nullopt;
    }
    const QString BookChoice = chooseZipBook(archivePath);
    if (!zip) {
        // This minizip refuses an archive without entries; that one is a book without pages, not a fault.
        if (ZipFallback::isEmptyArchive(archivePath))
            return ArchiveBookPlan{};
        ShowMessage(QStringLiteral("Zip failed"), QStringLiteral("Error"));
        return std::nullopt;
    }
    unz_global_info64 global{};
    if (const int r = unzGetGlobalInfo64(zip, &global); r != UNZ_OK) {
        ShowMessage(QStringLiteral("error %1 with zipfile in unzGetGlobalInfo \n").arg(r), kZipError);
        unzClose(zip);
        return std::nullopt;
    }
    if (!directory) {
        unzClose(zip);
        ShowMessage(QStringLiteral("Zip failed"), QStringLiteral("Error"));
        return std::nullopt;
    }
    const ZipPlan zipPlan = PlanZipBook(*directory, BookChoice);
    if (zipPlan.unpackedBytes > ExtractionAllowance(directory->fileSize)) {
        unzClose(zip);
        refuseBomb();
        return std::nullopt;
    }
    ArchiveBookPlan plan;
    // A directory that breaks off before its last entry fails the book, as a walk that can't move on
    // to the next entry always has.
    plan.complete = directory->complete;
    std::vector<ExtractionFile> files;
    for (const PlannedEntry& planned : zipPlan.entries)
        files.push_back({planned.bareName, planned.entry});
    SetBookFiles(plan, std::move(files));
    plan.writer = std::make_unique<ZipFileWriter>(zip, archivePath, workDir, std::move(*directory), zipPlan);
    return plan;
}

int ExtractZipBook(const QString& archivePath, const QString& workDir)
{
    std::optional<ArchiveBookPlan> plan = PlanZipArchiveBook(archivePath, workDir);
    if (!plan)
        return 1;
    if (!plan->writer)
        return 0; // an archive without entries
    const bool complete = plan->complete;
    return ExtractWholeBook(*plan, workDir) && complete ? 0 : 1;
}
