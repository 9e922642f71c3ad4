// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/ZipBook.h"

#include "book/SevenZipTarBook.h"
#include "book/archive/ExtractionAllowance.h"
#include "book/archive/ZipEntry.h"
#include "book/archive/ZipFallback.h"
#include "book/archive/ZipFileIo.h"
#include "book/archive/ZipListing.h"

namespace {
const QString kZipError = QStringLiteral("Zip Error");

// The reader's pick: asked only when the folders branch, otherwise everything.
QString chooseZipBook(const QString& archivePath, const BookChooser& chooser, Messages& messages)
{
    const BookTree tree = ListZipFolders(archivePath, messages);
    if (!FoldersBranch(tree))
        return {};
    return BookChoiceText(ChooseBookFolder(chooser, tree, ArchiveFamily::Zip), ArchiveFamily::Zip);
}

// The methods read here: stored and deflated ones by minizip, bzip2, LZMA, zstd, xz and PPMd by
// libarchive. The encryption flag (WinZip's AES is method 99 and sets it too) gives no page either.
EntryTrouble troubleOf(const ZipDirectoryEntry& entry)
{
    if (entry.flags & 1u)
        return EntryTrouble::Encrypted;
    switch (entry.method) {
    case 0: case 8: case 12: case 14: case 93: case 95: case 98: return EntryTrouble::None;
    default: return EntryTrouble::UnknownMethod;
    }
}

Message bombRefused()
{
    return {QStringLiteral("ZIP file would unpack to far more than its own size, nothing was extracted"), kZipError};
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
        const PlannedEntry planned{file.entry, tempName, bool(m_overruns[file.entry]), {}};
        FileResult result;
        const int code = ExtractZipEntry(m_zip, m_walk, m_directory.entries[file.entry], planned);
        result.written = code == UNZ_OK || code == UNZ_CRCERROR; // the latter still said below
        if (code != UNZ_OK && !cancelled) {
            const QString name = ZipEntryText(m_directory.entries[file.entry]);
            if (m_walk.outOfMemory)
                result.messages.push_back({QStringLiteral("Error allocating memory\n"), kZipError, name});
            result.messages.push_back(
                {QStringLiteral("Error within ZIP file, some pages my look strange"), kZipError, name});
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

std::optional<ArchiveBookPlan> PlanZipArchiveBook(const QString& archivePath, const QString& workDir,
                                                  const BookChooser& chooser, Messages& messages)
{
    // Entries that share their data are refused before the reader is asked anything.
    unzFile zip = OpenZipArchive(archivePath);
    std::optional<ZipDirectory> directory;
    if (zip)
        directory = ReadZipDirectory(archivePath);
    if (directory && EntriesOverlap(*directory)) {
        unzClose(zip);
        messages.push_back(bombRefused());
        return std::nullopt;
    }
    if (!zip) {
        // This minizip refuses an archive without entries; that one is a book without pages, not a fault.
        // Without a directory it can find (a download cut short) the entries are read from their local
        // headers; "Zip failed" when there are none either.
        if (ZipFallback::isEmptyArchive(archivePath))
            return ArchiveBookPlan{};
        return PlanZipByLocalHeaders(archivePath, workDir, chooser, messages);
    }
    if (!directory || !directory->complete) {
        unzClose(zip); // a directory that breaks off: the local headers tell more
        return PlanZipByLocalHeaders(archivePath, workDir, chooser, messages);
    }
    const QString BookChoice = chooseZipBook(archivePath, chooser, messages);
    unz_global_info64 global{};
    if (const int r = unzGetGlobalInfo64(zip, &global); r != UNZ_OK) {
        messages.push_back({QStringLiteral("error %1 with zipfile in unzGetGlobalInfo \n").arg(r), kZipError});
        unzClose(zip);
        return std::nullopt;
    }
    const ZipPlan zipPlan = PlanZipBook(*directory, BookChoice);
    if (zipPlan.unpackedBytes > ExtractionAllowance(directory->fileSize)) {
        unzClose(zip);
        messages.push_back(bombRefused());
        return std::nullopt;
    }
    ArchiveBookPlan plan;
    std::vector<ExtractionFile> files;
    for (const PlannedEntry& planned : zipPlan.entries)
        files.push_back({planned.bareName, planned.entry, planned.path, troubleOf(directory->entries[planned.entry])});
    SetBookFiles(plan, std::move(files));
    plan.writer = std::make_unique<ZipFileWriter>(zip, archivePath, workDir, std::move(*directory), zipPlan);
    return plan;
}

bool ExtractZipBook(const QString& archivePath, const QString& workDir, const BookChooser& chooser, Messages& messages)
{
    std::optional<ArchiveBookPlan> plan = PlanZipArchiveBook(archivePath, workDir, chooser, messages);
    if (!plan)
        return false;
    if (!plan->writer)
        return true; // an archive without entries
    const bool complete = plan->complete;
    return ExtractWholeBook(*plan, workDir, messages) && complete;
}
