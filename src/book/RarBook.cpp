// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/RarBook.h"

#include "book/archive/ArchiveNames.h"
#include "book/archive/ExtractionAllowance.h"
#include "book/archive/FlatBookNames.h"
#include "book/archive/RarListing.h"
#include "book/archive/RarVolumes.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <memory>

namespace {
// The reader's pick. An archive whose headers are broken fails, so nobody is asked to choose in it.
QString chooseRarBook(const RarListing& listing, const BookChooser& chooser)
{
    if (!listing.opened || listing.headerBroken || !FoldersBranch(listing.tree))
        return {};
    return BookChoiceText(ChooseBookFolder(chooser, listing.tree, ArchiveFamily::Rar), ArchiveFamily::Rar);
}

// False for an entry that is never written: not under the choice, not a regular file, macOS metadata,
// no safe bare name.
bool isBookFile(const RarListedEntry& entry, const QString& BookChoice)
{
    if (entry.folder || !entry.regularFile)
        return false;
    if ((!BookChoice.isEmpty() && !entry.name.startsWith(BookChoice)) || IsAppleDoubleName(entry.name))
        return false;
    return !SafeBareName(entry.name).isEmpty();
}

// A name in WorkDir, or a path, longer than the system takes.
bool tooLong(const QByteArray& name, const QString& workDir)
{
    return name.size() > NAME_MAX || QFile::encodeName(workDir).size() + name.size() >= PATH_MAX;
}

int stopIfCancelled(unsigned, std::intptr_t cancelled, std::intptr_t, std::intptr_t)
{
    return reinterpret_cast<const std::atomic<bool>*>(cancelled)->load(std::memory_order_relaxed) ? -1 : 0;
}

// Writes planned entries by passing over the entries before them. A solid archive (one entry's data
// continues another's) or a volume set is read from its start to its end only, so its entries are asked
// for in the archive's order; in any other, an entry behind the last one read starts the pass again
// from the top, and passing over an entry is a seek.
class RarFileWriter : public ArchiveFileWriter {
public:
    RarFileWriter(const QString& archivePath, const QString& workDir) : m_path(archivePath), m_workDir(workDir)
    {
        // The headers declare what each entry unpacks to, so a bomb is stopped before its entry is written.
        const QStringList volumes = RarVolumeSet(archivePath, [](const QString& p) { return QFileInfo(p).isFile(); });
        m_allowance = ExtractionAllowance(ArchiveBytes(volumes));
        unsigned flags = 0;
        m_rar = OpenRarArchive(archivePath, &flags);
        m_solid = flags & (ROADF_SOLID | ROADF_VOLUME);
    }
    ~RarFileWriter() override
    {
        if (m_rar)
            RARCloseArchive(m_rar);
    }
    bool inArchiveOrder() const override { return m_solid; }

    FileResult write(const ExtractionFile& file, const DirectoryHandle&, const QByteArray& tempName,
                     const std::atomic<bool>& cancelled) override
    {
        if (file.entry >= m_brokenAt)
            return {}; // past the entry that broke the walk: never written, as the reader has always seen it
        if (m_rar && file.entry < m_position) {
            RARCloseArchive(m_rar);
            m_rar = nullptr;
        }
        if (!m_rar) {
            m_rar = OpenRarArchive(m_path);
            m_position = 0;
        }
        const QString failed = QStringLiteral("Can't decompress your file");
        if (!m_rar)
            return broken(file.entry, failed, {}); // the archive itself is gone
        for (;;) {
            if (RARReadHeaderEx(m_rar, m_header.get()) != ERAR_SUCCESS)
                return broken(m_position, failed, {}); // no name can be read
            if (m_position++ == file.entry)
                break;
            if (RARProcessFile(m_rar, RAR_SKIP, nullptr, nullptr) != ERAR_SUCCESS)
                return broken(m_position - 1, failed, RarEntryName(*m_header));
        }
        const QString name = RarEntryName(*m_header);
        if (m_header->UnpSize > m_allowance)
            return broken(file.entry,
                          QStringLiteral("RAR file would unpack to far more than its own size, extraction stopped"),
                          name);
        m_allowance -= m_header->UnpSize;
        RARSetCallback(m_rar, stopIfCancelled, reinterpret_cast<std::intptr_t>(&cancelled));
        const QByteArray destination = QFile::encodeName(m_workDir) + tempName;
        const int code = RARProcessFile(m_rar, RAR_EXTRACT, nullptr, destination.constData());
        if (code == ERAR_SUCCESS)
            return {true, false, {}};
        if (cancelled)
            return {};
        if (code == ERAR_EWRITE) // the disk is about to fill: nothing more is written
            return {false, true, {{failed, kRarError, name}}};
        return broken(file.entry, failed, name);
    }

private:
    // The walk ends at the first entry that can't be written: nothing after it in the archive is written,
    // whatever order the entries are asked for in; the ones before it still are. `name` is that entry's.
    FileResult broken(std::size_t entry, const QString& text, const QString& name)
    {
        m_brokenAt = std::min(m_brokenAt, entry);
        RARCloseArchive(m_rar);
        m_rar = nullptr;
        return {false, false, {{text, kRarError, name}}};
    }

    QString m_path;
    QString m_workDir;
    RarHandle m_rar = nullptr;
    bool m_solid = true;
    std::size_t m_position = 0; // headers read
    std::size_t m_brokenAt = SIZE_MAX;
    std::uint64_t m_allowance = 0;
    std::unique_ptr<RARHeaderDataEx> m_header = std::make_unique<RARHeaderDataEx>();
};
} // namespace

std::optional<ArchiveBookPlan> PlanRarArchiveBook(const QString& archivePath, const QString& workDir,
                                                  const BookChooser& chooser, Messages& messages)
{
    const RarListing listing = ListRarFolders(archivePath, messages);
    const QString BookChoice = chooseRarBook(listing, chooser);
    if (!listing.opened)
        return std::nullopt;

    std::vector<std::size_t> kept;
    std::vector<QString> paths;
    for (std::size_t i = 0; i < listing.entries.size(); ++i) {
        if (isBookFile(listing.entries[i], BookChoice)) {
            kept.push_back(i);
            paths.push_back(listing.entries[i].name);
        }
    }
    const std::vector<QByteArray> names = FlatBookNames(paths);
    std::vector<ExtractionFile> files;
    for (std::size_t k = 0; k < kept.size(); ++k)
        if (!names[k].isEmpty() && !tooLong(names[k], workDir))
            files.push_back({names[k], kept[k], paths[k],
                             listing.entries[kept[k]].encrypted ? EntryTrouble::Encrypted : EntryTrouble::None});
    ArchiveBookPlan plan;
    plan.complete = !listing.headerBroken;
    SetBookFiles(plan, std::move(files));
    plan.writer = std::make_unique<RarFileWriter>(archivePath, workDir);
    return plan;
}

bool ExtractRarBook(const QString& archivePath, const QString& workDir, const BookChooser& chooser, Messages& messages)
{
    std::optional<ArchiveBookPlan> plan = PlanRarArchiveBook(archivePath, workDir, chooser, messages);
    if (!plan)
        return false;
    const bool complete = plan->complete; // the listing has said why not
    ExtractWholeBook(*plan, workDir, messages);
    return complete;
}
