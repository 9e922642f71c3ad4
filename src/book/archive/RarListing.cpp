// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/RarListing.h"

#include "book/archive/ArchiveNames.h"

#include "book/archive/RarHeaderIndex.h"
#include "book/archive/RarVolumes.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <memory>

QString RarEntryName(const RARHeaderDataEx& header)
{
    if (header.FileNameW[0])
        return QString::fromWCharArray(header.FileNameW);
    return ArchiveNameText(QByteArray(header.FileName), false);
}

bool IsRarFolderEntry(const RARHeaderDataEx& header)
{
    const unsigned attr = header.FileAttr;
    return attr == 0x10 || attr == 0x11 || attr == 0x30;
}

RarHandle OpenRarArchive(const QString& archivePath, unsigned* flags)
{
    const QByteArray native = QFile::encodeName(archivePath);
    RAROpenArchiveDataEx open{};
    open.ArcName = native.constData();
    open.OpenMode = RAR_OM_EXTRACT;
    RarHandle rar = RAROpenArchiveEx(&open);
    if (rar && open.OpenResult != ERAR_SUCCESS) {
        RARCloseArchive(rar);
        return nullptr;
    }
    if (flags)
        *flags = open.Flags;
    return rar;
}

RarListing ListRarFolders(const QString& archivePath, Messages& messages)
{
    RarListing listing;
    const QStringList volumes = RarVolumeSet(archivePath, [](const QString& p) { return QFileInfo(p).isFile(); });
    if (IsLaterSolidRarVolume(volumes.first())) {
        messages.push_back({QStringLiteral("This is a later part of a solid volume set: open its first part"),
                            kRarError});
        listing.laterSolidVolume = true;
        return listing;
    }
    RarHandle rar = OpenRarArchive(archivePath);
    if (!rar)
        return listing;
    listing.opened = true;

    auto header = std::make_unique<RARHeaderDataEx>();
    int code = ERAR_SUCCESS;
    while ((code = RARReadHeaderEx(rar, header.get())) == ERAR_SUCCESS) {
        const QString name = RarEntryName(*header);
        listing.entries.push_back(
            {name, IsRarFolderEntry(*header), header->RegularFile, header->UnpSize, header->Encrypted != 0});
        if (IsRarFolderEntry(*header)) {
            if (!name.isEmpty() && !IsUnsafeArchivePath(name) && !IsAppleDoubleName(name + u'\\'))
                InsertFolderPath(listing.tree, name + u'\\');
        }
        if (RARProcessFile(rar, RAR_SKIP, nullptr, nullptr) != ERAR_SUCCESS) {
            messages.push_back({QStringLiteral("Can't decompress your file"), kRarError, name});
            code = ERAR_SUCCESS;
            break;
        }
    }
    if (code == ERAR_BAD_DATA) {
        messages.push_back(RarHeaderBroken());
        listing.headerBroken = true;
    }
    RARCloseArchive(rar);
    return listing;
}
