#include "book/RarBook.h"

#include "book/archive/ArchiveNames.h"
#include "book/archive/BookChooser.h"
#include "book/archive/ExtractionAllowance.h"
#include "book/archive/RarListing.h"
#include "book/archive/RarVolumes.h"
#include "common/ShowMessage.h"

#include <QFile>
#include <QFileInfo>
#include <climits>
#include <memory>

namespace {
const QString kRarError = QStringLiteral("Error [RAR COMPRESSION]");

// The reader's pick. A broken header leaves the partial tree on screen for the reader, so no
// branching check closes the dialog then.
QString chooseRarBook(const QString& archivePath)
{
    const RarListing listing = ListRarFolders(archivePath);
    if (!listing.opened)
        return {};
    if (!listing.headerBroken && !FoldersBranch(listing.tree))
        return {};
    return BookChoiceText(ChooseBookFolder(listing.tree, ArchiveFamily::Rar), ArchiveFamily::Rar);
}

// The native destination of an entry, or empty when it must be skipped: not under the choice, a
// folder, macOS metadata, no safe bare name, or a path longer than the system takes.
QByteArray destinationOf(const RARHeaderDataEx& header, const QString& BookChoice, const QString& workDir)
{
    if (IsRarFolderEntry(header))
        return {};
    const QString name = RarEntryName(header);
    if ((!BookChoice.isEmpty() && !name.startsWith(BookChoice)) || IsAppleDoubleName(name))
        return {};
    const QString bare = SafeBareName(name);
    if (bare.isEmpty() || QFile::encodeName(bare).size() > NAME_MAX)
        return {};
    QByteArray destination = QFile::encodeName(workDir + bare);
    if (destination.size() >= PATH_MAX)
        return {};
    return destination;
}
} // namespace

int ExtractRarBook(const QString& archivePath, const QString& workDir)
{
    const QString BookChoice = chooseRarBook(archivePath);

    RarHandle rar = OpenRarArchive(archivePath);
    if (!rar)
        return 1;

    // The headers declare what each entry unpacks to, so a bomb is stopped before its entry is written.
    const QStringList volumes = RarVolumeSet(archivePath, [](const QString& p) { return QFileInfo(p).isFile(); });
    std::uint64_t allowance = ExtractionAllowance(ArchiveBytes(volumes));
    auto header = std::make_unique<RARHeaderDataEx>();
    int code = ERAR_SUCCESS;
    while ((code = RARReadHeaderEx(rar, header.get())) == ERAR_SUCCESS) {
        const QByteArray destination = destinationOf(*header, BookChoice, workDir);
        if (!destination.isEmpty() && header->UnpSize > allowance) {
            ShowMessage(QStringLiteral("RAR file would unpack to far more than its own size, extraction stopped"),
                        kRarError);
            code = ERAR_SUCCESS;
            break;
        }
        if (!destination.isEmpty())
            allowance -= header->UnpSize;
        const int operation = destination.isEmpty() ? RAR_SKIP : RAR_EXTRACT;
        if (RARProcessFile(rar, operation, nullptr, destination.isEmpty() ? nullptr : destination.constData())
            != ERAR_SUCCESS) {
            ShowMessage(QStringLiteral("Can't decompress your file"), kRarError);
            code = ERAR_SUCCESS;
            break;
        }
    }
    RARCloseArchive(rar);
    if (code == ERAR_BAD_DATA) {
        ShowMessage(QStringLiteral("Header is broken"), kRarError);
        return 1;
    }
    return 0;
}
