// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/SevenZipTarBook.h"

#include "book/archive/ArchiveNames.h"
#include "book/archive/FlatBookNames.h"
#include "book/archive/DiskSpace.h"
#include "book/archive/ExtractionAllowance.h"
#include "book/archive/OutputFile.h"
#include "book/archive/SevenZipFolders.h"

#include <archive.h>
#include <archive_entry.h>

#include <QFile>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace {
const QString kZipError = QStringLiteral("Zip Error");
const QString kDamaged = QStringLiteral("Error within ZIP file, some pages my look strange");
constexpr qsizetype kLongestName = 255; // as the zip walk: a longer stored name is never a page

struct ArchiveDeleter {
    void operator()(archive* a) const { archive_read_free(a); }
};
using ArchivePtr = std::unique_ptr<archive, ArchiveDeleter>;

// A 7z or tar book; or a zip read from its local headers, one after the other.
enum class Reading { SevenZipTar, ZipLocalHeaders };

ArchivePtr openArchive(const QString& path, Reading reading)
{
    ArchivePtr a(archive_read_new());
    if (reading == Reading::ZipLocalHeaders) {
        archive_read_support_format_zip_streamable(a.get());
    } else {
        archive_read_support_format_7zip(a.get());
        archive_read_support_format_tar(a.get());
        archive_read_support_filter_all(a.get()); // .tar.gz and friends named .cbt
    }
    if (archive_read_open_filename(a.get(), QFile::encodeName(path).constData(), 1 << 16) != ARCHIVE_OK)
        return nullptr;
    return a;
}

struct Entry {
    QString name; // as the program compares it
    bool regularFile = false;
    std::int64_t size = 0; // declared; -1: not before its data (a zip entry with a data descriptor)
    bool encrypted = false;
};

struct Listing {
    std::vector<Entry> entries; // in archive order
    bool broken = false;        // the listing stopped short of the archive's end
    bool seeks = false;         // a tar without compression, whose entries' data is passed over by seeking
    bool sevenZip = false;
};

// Every entry's name, kind and size; nullopt when the archive can't be read at all. Zip entries are
// listed only when their data can be passed over: a cut-short archive lists the entries before the cut.
std::optional<Listing> listEntries(const QString& path, Reading reading)
{
    ArchivePtr a = openArchive(path, reading);
    if (!a)
        return std::nullopt;
    Listing listing;
    std::vector<Entry>& entries = listing.entries;
    archive_entry* header = nullptr;
    int r;
    while ((r = archive_read_next_header(a.get(), &header)) == ARCHIVE_OK || r == ARCHIVE_WARN) {
        const char* utf8 = archive_entry_pathname_utf8(header);
        const char* raw = archive_entry_pathname(header);
        Entry entry;
        entry.name = utf8 ? QString::fromUtf8(utf8) : ArchiveNameText(QByteArray(raw ? raw : ""), false);
        entry.regularFile = archive_entry_filetype(header) == AE_IFREG;
        entry.encrypted = archive_entry_is_data_encrypted(header) != 0;
        entry.size = archive_entry_size_is_set(header) ? std::max<std::int64_t>(archive_entry_size(header), 0)
            : reading == Reading::ZipLocalHeaders           ? -1
                                                            : 0;
        if (reading == Reading::ZipLocalHeaders && archive_read_data_skip(a.get()) < ARCHIVE_WARN) {
            r = ARCHIVE_FATAL;
            break;
        }
        entries.push_back(std::move(entry));
    }
    listing.broken = r != ARCHIVE_EOF;
    const int format = archive_format(a.get()) & ARCHIVE_FORMAT_BASE_MASK;
    listing.seeks = reading == Reading::SevenZipTar && format == ARCHIVE_FORMAT_TAR
        && archive_filter_count(a.get()) == 1; // the file itself, no decompression
    listing.sevenZip = reading == Reading::SevenZipTar && format == ARCHIVE_FORMAT_7ZIP;
    return listing;
}

QString chooseBook(const std::vector<Entry>& entries, const BookChooser& chooser)
{
    BookTree tree;
    for (const Entry& entry : entries)
        if (!IsUnsafeArchivePath(entry.name) && !IsAppleDoubleName(entry.name))
            InsertEntryFolders(tree, entry.name);
    if (!FoldersBranch(tree))
        return {};
    return BookChoiceText(ChooseBookFolder(chooser, tree, ArchiveFamily::Zip), ArchiveFamily::Zip);
}

// The files of the chosen book, in archive order, each under its own name in WorkDir (the later
// entry of a path wins); `unpackedBytes` is what they declare together.
std::vector<ExtractionFile> planBook(const std::vector<Entry>& entries, const QString& BookChoice,
                                     std::uint64_t& unpackedBytes)
{
    std::vector<std::size_t> kept;
    std::vector<QString> paths;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (!entry.regularFile || entry.name.toUtf8().size() > kLongestName || IsAppleDoubleName(entry.name))
            continue;
        if (!BookChoice.isEmpty() && !entry.name.startsWith(BookChoice))
            continue;
        if (SafeBareName(entry.name).isEmpty())
            continue;
        kept.push_back(i);
        paths.push_back(entry.name);
    }
    const std::vector<QByteArray> names = FlatBookNames(paths);
    std::vector<ExtractionFile> files;
    unpackedBytes = 0;
    for (std::size_t k = 0; k < kept.size(); ++k) {
        if (names[k].isEmpty())
            continue;
        files.push_back({names[k], kept[k], paths[k],
                         entries[kept[k]].encrypted ? EntryTrouble::Encrypted : EntryTrouble::None});
        unpackedBytes += std::uint64_t(std::max<std::int64_t>(entries[kept[k]].size, 0));
    }
    return files;
}

enum class Written { Ok, Damaged, DiskFull };

// Copies the current entry's data to `bareName`, never more than `declared`, which it must reach unless
// the size was not declared (`exact` false: `declared` is then what is left of the allowance); a file
// that isn't whole is removed.
Written writeEntry(archive* a, OutputFile& output, const DirectoryHandle& dir, const QByteArray& bareName,
                   std::uint64_t declared, bool exact, const QString& workDir, const std::atomic<bool>& cancelled,
                   std::uint64_t& total)
{
    total = 0;
    if (!output.open(dir, bareName, WritableBudget(workDir)))
        return Written::Damaged;
    for (;;) {
        char* space = output.space(OutputFile::kBufferSize / 4);
        const la_ssize_t n = space ? archive_read_data(a, space, OutputFile::kBufferSize / 4) : -1;
        if (n == 0)
            break;
        total += n > 0 ? std::uint64_t(n) : 0;
        if (n < 0 || total > declared || !output.commit(std::size_t(n)) || cancelled) {
            const bool full = output.status() == OutputFile::Status::DiskFull;
            output.discard();
            return full ? Written::DiskFull : Written::Damaged;
        }
    }
    if ((exact && total != declared) || !output.close()) {
        const bool full = output.status() == OutputFile::Status::DiskFull;
        output.discard();
        return full ? Written::DiskFull : Written::Damaged;
    }
    return Written::Ok;
}

// Writes the planned entries by reading the archive's headers one after the other, from its start: an
// entry behind the last one read starts the pass again. Passing over an entry costs next to nothing in a
// tar without compression (a seek) and, in a 7z, when the entry reached starts its folder (libarchive
// passes whole folders over); anywhere else the entries before it are unpacked on the way, so those
// archives are written in their own order.
class SevenZipTarWriter : public ArchiveFileWriter {
public:
    // `folderStarts`: per entry of a 7z, whether it starts its folder; empty when not known.
    SevenZipTarWriter(const QString& archivePath, Reading reading, const QString& workDir,
                      std::vector<std::int64_t> sizes, std::uint64_t undeclaredAllowance, bool seeks,
                      std::vector<bool> folderStarts)
        : m_path(archivePath), m_reading(reading), m_workDir(workDir), m_sizes(std::move(sizes)),
          m_undeclaredAllowance(undeclaredAllowance), m_seeks(seeks), m_folderStarts(std::move(folderStarts))
    {
    }
    // A 7z whose every entry starts a folder (not solid) is written in the reader's order, like a zip.
    bool inArchiveOrder() const override
    {
        return m_folderStarts.empty() || !std::all_of(m_folderStarts.begin(), m_folderStarts.end(), std::identity());
    }
    bool writesFirstAhead(const ExtractionFile& first) const override
    {
        return m_seeks || (first.entry < m_folderStarts.size() && m_folderStarts[first.entry]);
    }

    FileResult write(const ExtractionFile& file, const DirectoryHandle& dir, const QByteArray& tempName,
                     const std::atomic<bool>& cancelled) override
    {
        if (m_archive && (file.entry < m_position || freshStartIsSooner(file.entry)))
            m_archive.reset();
        if (!m_archive) {
            m_archive = openArchive(m_path, m_reading);
            m_position = 0;
        }
        if (!m_archive || !m_output.allocate())
            return {false, true, {{kDamaged, kZipError}}};
        archive_entry* header = nullptr;
        while (m_position <= file.entry) {
            if (archive_read_next_header(m_archive.get(), &header) < ARCHIVE_WARN) {
                m_archive.reset();
                return {false, true, {{kDamaged, kZipError}}}; // the pages written so far open
            }
            ++m_position;
        }
        const bool declared = m_sizes[file.entry] >= 0;
        std::uint64_t copied = 0;
        const Written written = writeEntry(m_archive.get(), m_output, dir, tempName,
                                           declared ? std::uint64_t(m_sizes[file.entry]) : m_undeclaredAllowance,
                                           declared, m_workDir, cancelled, copied);
        if (written == Written::Ok) {
            if (!declared) // what entries without a declared size unpack to shares one allowance
                m_undeclaredAllowance -= std::min(m_undeclaredAllowance, copied);
            return {true, false, {}};
        }
        m_archive.reset(); // its data was read part way: a later entry starts a new pass
        if (cancelled)
            return {};
        return {false, written == Written::DiskFull, {{kDamaged, kZipError, file.path}}};
    }

private:
    // libarchive passes a 7z's folders over without unpacking them only until it has read some data;
    // after that it unpacks whatever data it passes over. An entry starting its folder beyond entries
    // with data is then reached sooner by opening the archive again.
    bool freshStartIsSooner(std::size_t entry) const
    {
        if (m_position == 0 || entry <= m_position || entry >= m_folderStarts.size() || !m_folderStarts[entry])
            return false;
        return std::any_of(m_sizes.begin() + std::ptrdiff_t(m_position), m_sizes.begin() + std::ptrdiff_t(entry),
                           [](std::int64_t size) { return size != 0; });
    }

    QString m_path;
    Reading m_reading;
    QString m_workDir;
    std::vector<std::int64_t> m_sizes; // declared, per entry; -1: not declared
    std::uint64_t m_undeclaredAllowance;
    bool m_seeks;
    std::vector<bool> m_folderStarts;
    ArchivePtr m_archive;
    std::size_t m_position = 0; // headers read
    OutputFile m_output;
};
} // namespace

namespace {
std::optional<ArchiveBookPlan> planSequentialBook(const QString& archivePath, Reading reading, const QString& workDir,
                                                  const BookChooser& chooser, Messages& messages)
{
    const Message zipFailed{QStringLiteral("Zip failed"), QStringLiteral("Error")};
    const std::optional<Listing> listing = listEntries(archivePath, reading);
    if (!listing || (listing->entries.empty() && listing->broken)) {
        messages.push_back(zipFailed);
        return std::nullopt;
    }
    const std::vector<Entry>& entries = listing->entries;
    const QString BookChoice = chooseBook(entries, chooser);
    std::uint64_t unpacked = 0;
    std::vector<ExtractionFile> files = planBook(entries, BookChoice, unpacked);
    const std::uint64_t allowance = ExtractionAllowance(ArchiveBytes({archivePath}));
    if (unpacked > allowance) {
        messages.push_back(
            {QStringLiteral("ZIP file would unpack to far more than its own size, nothing was extracted"), kZipError});
        return std::nullopt;
    }
    std::vector<std::int64_t> sizes;
    for (const Entry& entry : entries)
        sizes.push_back(entry.size);
    ArchiveBookPlan plan;
    SetBookFiles(plan, std::move(files));
    if (reading == Reading::ZipLocalHeaders) {
        // The directory is gone (a download cut short): said once, with what could be found.
        plan.afterFirstPage.push_back(
            {QStringLiteral("ZIP file is damaged, %1 pages could be read").arg(plan.pages.count()), kZipError});
    } else if (listing->broken) {
        // An archive cut short (a tar ends anywhere) still opens with the pages before the damage.
        plan.afterFirstPage.push_back({kDamaged, kZipError});
    }
    std::vector<bool> folderStarts;
    if (listing->sevenZip) {
        // An answer about other entries than libarchive's is no answer: the archive is taken as solid.
        std::optional<std::vector<bool>> starts = SevenZipFolderStarts(archivePath);
        if (starts && starts->size() == entries.size())
            folderStarts = std::move(*starts);
    }
    plan.writer = std::make_unique<SevenZipTarWriter>(archivePath, reading, workDir, std::move(sizes),
                                                      allowance - unpacked, listing->seeks, std::move(folderStarts));
    return plan;
}
} // namespace

std::optional<ArchiveBookPlan> PlanSevenZipTarBook(const QString& archivePath, const QString& workDir,
                                                   const BookChooser& chooser, Messages& messages)
{
    return planSequentialBook(archivePath, Reading::SevenZipTar, workDir, chooser, messages);
}

std::optional<ArchiveBookPlan> PlanZipByLocalHeaders(const QString& archivePath, const QString& workDir,
                                                     const BookChooser& chooser, Messages& messages)
{
    return planSequentialBook(archivePath, Reading::ZipLocalHeaders, workDir, chooser, messages);
}

bool ExtractSevenZipTarBook(const QString& archivePath, const QString& workDir, const BookChooser& chooser,
                            Messages& messages)
{
    std::optional<ArchiveBookPlan> plan = PlanSevenZipTarBook(archivePath, workDir, chooser, messages);
    return plan && ExtractWholeBook(*plan, workDir, messages);
}
