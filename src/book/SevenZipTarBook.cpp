#include "book/SevenZipTarBook.h"

#include "book/archive/ArchiveNames.h"
#include "book/archive/DiskSpace.h"
#include "book/archive/ExtractionAllowance.h"
#include "book/archive/OutputFile.h"

#include <archive.h>
#include <archive_entry.h>

#include <QFile>
#include <QHash>

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

// The bare name each entry is written to, empty for entries that are not written: every bare name
// once, from the last entry that provides it.
std::vector<QByteArray> planBook(const std::vector<Entry>& entries, const QString& BookChoice,
                                 std::uint64_t& unpackedBytes)
{
    std::vector<QByteArray> plan(entries.size());
    QHash<QByteArray, std::size_t> lastWithName;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (!entry.regularFile || entry.name.toUtf8().size() > kLongestName || IsAppleDoubleName(entry.name))
            continue;
        if (!BookChoice.isEmpty() && !entry.name.startsWith(BookChoice))
            continue;
        const QString bare = SafeBareName(entry.name);
        if (!bare.isEmpty())
            lastWithName[QFile::encodeName(bare)] = i;
    }
    unpackedBytes = 0;
    for (auto it = lastWithName.cbegin(); it != lastWithName.cend(); ++it) {
        plan[it.value()] = it.key();
        unpackedBytes += std::uint64_t(entries[it.value()].size);
    }
    return plan;
}

enum class Written { Ok, Damaged, DiskFull };

// Copies the current entry's data to `bareName`, never more than its declared size; a file that isn't
// whole is removed.
Written writeEntry(archive* a, OutputFile& output, const DirectoryHandle& dir, const QByteArray& bareName,
                   std::uint64_t declared, const QString& workDir)
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
        if (n < 0 || total > declared || !output.commit(std::size_t(n))) {
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
} // namespace

bool ExtractSevenZipTarBook(const QString& archivePath, const QString& workDir, const BookChooser& chooser,
                            Messages& messages)
{
    const Message zipFailed{QStringLiteral("Zip failed"), QStringLiteral("Error")};
    bool broken = false;
    const std::optional<std::vector<Entry>> entries = listEntries(archivePath, broken);
    if (!entries || (entries->empty() && broken)) {
        messages.push_back(zipFailed);
        return false;
    }
    const QString BookChoice = chooseBook(*entries, chooser);
    std::uint64_t unpacked = 0;
    const std::vector<QByteArray> plan = planBook(*entries, BookChoice, unpacked);
    if (unpacked > ExtractionAllowance(ArchiveBytes({archivePath}))) {
        messages.push_back(
            {QStringLiteral("ZIP file would unpack to far more than its own size, nothing was extracted"), kZipError});
        return false;
    }

    ArchivePtr a = openArchive(archivePath);
    const DirectoryHandle dir = DirectoryHandle::open(workDir);
    OutputFile output;
    if (!a || !dir.isOpen() || !output.allocate()) {
        messages.push_back(zipFailed);
        return false;
    }
    // One pass in archive order: a solid 7z can only be read that way, and a tar has nothing else.
    archive_entry* header = nullptr;
    bool damaged = broken;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (archive_read_next_header(a.get(), &header) < ARCHIVE_WARN) {
            damaged = true;
            break;
        }
        if (plan[i].isEmpty())
            continue; // skipped: libarchive passes over its data on the next header
        const Written written = writeEntry(a.get(), output, dir, plan[i], std::uint64_t((*entries)[i].size), workDir);
        if (written == Written::Ok)
            continue;
        messages.push_back({kDamaged, kZipError, (*entries)[i].name});
        if (written == Written::DiskFull)
            break; // one message; the pages written so far open
    }
    // An archive cut short (a tar ends anywhere) still opens with the pages before the damage.
    if (damaged)
        messages.push_back({kDamaged, kZipError});
    return true;
}
