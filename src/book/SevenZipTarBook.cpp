#include "book/SevenZipTarBook.h"

#include "book/archive/ArchiveNames.h"
#include "book/archive/FlatBookNames.h"
#include "book/archive/DiskSpace.h"
#include "book/archive/ExtractionAllowance.h"
#include "book/archive/OutputFile.h"

#include <archive.h>
#include <archive_entry.h>

#include <QFile>

#include <atomic>
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

ArchivePtr openArchive(const QString& path)
{
    ArchivePtr a(archive_read_new());
    archive_read_support_format_7zip(a.get());
    archive_read_support_format_tar(a.get());
    archive_read_support_filter_all(a.get()); // .tar.gz and friends named .cbt
    if (archive_read_open_filename(a.get(), QFile::encodeName(path).constData(), 1 << 16) != ARCHIVE_OK)
        return nullptr;
    return a;
}

struct Entry {
    QString name; // as the program compares it
    bool regularFile = false;
    std::int64_t size = 0; // declared
};

// Every entry's name, kind and size, in archive order; nullopt when the archive can't be read at all.
std::optional<std::vector<Entry>> listEntries(const QString& path, bool& broken)
{
    ArchivePtr a = openArchive(path);
    if (!a)
        return std::nullopt;
    std::vector<Entry> entries;
    archive_entry* header = nullptr;
    int r;
    while ((r = archive_read_next_header(a.get(), &header)) == ARCHIVE_OK || r == ARCHIVE_WARN) {
        const char* utf8 = archive_entry_pathname_utf8(header);
        const char* raw = archive_entry_pathname(header);
        Entry entry;
        entry.name = utf8 ? QString::fromUtf8(utf8) : ArchiveNameText(QByteArray(raw ? raw : ""), false);
        entry.regularFile = archive_entry_filetype(header) == AE_IFREG;
        entry.size = archive_entry_size_is_set(header) ? std::max<std::int64_t>(archive_entry_size(header), 0) : 0;
        entries.push_back(std::move(entry));
    }
    broken = r != ARCHIVE_EOF;
    return entries;
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
        files.push_back({names[k], kept[k], paths[k]});
        unpackedBytes += std::uint64_t(entries[kept[k]].size);
    }
    return files;
}

enum class Written { Ok, Damaged, DiskFull };

// Copies the current entry's data to `bareName`, never more than its declared size; a file that isn't
// whole is removed.
Written writeEntry(archive* a, OutputFile& output, const DirectoryHandle& dir, const QByteArray& bareName,
                   std::uint64_t declared, const QString& workDir, const std::atomic<bool>& cancelled)
{
    if (!output.open(dir, bareName, WritableBudget(workDir)))
        return Written::Damaged;
    std::uint64_t total = 0;
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
    if (total != declared || !output.close()) {
        const bool full = output.status() == OutputFile::Status::DiskFull;
        output.discard();
        return full ? Written::DiskFull : Written::Damaged;
    }
    return Written::Ok;
}

// Writes the planned entries by reading the archive from its start to its end: a solid 7z can only be
// read that way, and a tar has nothing else. An entry behind the last one read starts the pass again.
class SevenZipTarWriter : public ArchiveFileWriter {
public:
    SevenZipTarWriter(const QString& archivePath, const QString& workDir, std::vector<std::uint64_t> sizes)
        : m_path(archivePath), m_workDir(workDir), m_sizes(std::move(sizes))
    {
    }
    bool inArchiveOrder() const override { return true; }

    FileResult write(const ExtractionFile& file, const DirectoryHandle& dir, const QByteArray& tempName,
                     const std::atomic<bool>& cancelled) override
    {
        if (m_archive && file.entry < m_position)
            m_archive.reset();
        if (!m_archive) {
            m_archive = openArchive(m_path);
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
        const Written written = writeEntry(m_archive.get(), m_output, dir, tempName, m_sizes[file.entry], m_workDir,
                                           cancelled);
        if (written == Written::Ok)
            return {true, false, {}};
        m_archive.reset(); // its data was read part way: a later entry starts a new pass
        if (cancelled)
            return {};
        return {false, written == Written::DiskFull, {{kDamaged, kZipError, file.path}}};
    }

private:
    QString m_path;
    QString m_workDir;
    std::vector<std::uint64_t> m_sizes; // declared, per entry
    ArchivePtr m_archive;
    std::size_t m_position = 0; // headers read
    OutputFile m_output;
};
} // namespace

std::optional<ArchiveBookPlan> PlanSevenZipTarBook(const QString& archivePath, const QString& workDir,
                                                   const BookChooser& chooser, Messages& messages)
{
    const Message zipFailed{QStringLiteral("Zip failed"), QStringLiteral("Error")};
    bool broken = false;
    const std::optional<std::vector<Entry>> entries = listEntries(archivePath, broken);
    if (!entries || (entries->empty() && broken)) {
        messages.push_back(zipFailed);
        return std::nullopt;
    }
    const QString BookChoice = chooseBook(*entries, chooser);
    std::uint64_t unpacked = 0;
    std::vector<ExtractionFile> files = planBook(*entries, BookChoice, unpacked);
    if (unpacked > ExtractionAllowance(ArchiveBytes({archivePath}))) {
        messages.push_back(
            {QStringLiteral("ZIP file would unpack to far more than its own size, nothing was extracted"), kZipError});
        return std::nullopt;
    }
    // An archive cut short (a tar ends anywhere) still opens with the pages before the damage.
    if (broken)
        messages.push_back({kDamaged, kZipError});
    std::vector<std::uint64_t> sizes;
    for (const Entry& entry : *entries)
        sizes.push_back(std::uint64_t(entry.size));
    ArchiveBookPlan plan;
    SetBookFiles(plan, std::move(files));
    plan.writer = std::make_unique<SevenZipTarWriter>(archivePath, workDir, std::move(sizes));
    return plan;
}

bool ExtractSevenZipTarBook(const QString& archivePath, const QString& workDir, const BookChooser& chooser,
                            Messages& messages)
{
    std::optional<ArchiveBookPlan> plan = PlanSevenZipTarBook(archivePath, workDir, chooser, messages);
    return plan && ExtractWholeBook(*plan, workDir, messages);
}
