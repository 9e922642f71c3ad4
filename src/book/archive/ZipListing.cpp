// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/ZipListing.h"

#include "book/archive/ArchiveNames.h"
#include "book/archive/ZipFallback.h"
#include "book/archive/ZipFileIo.h"

BookTree ListZipFolders(const QString& archivePath, Messages& messages)
{
    BookTree tree;
    unzFile zip = OpenZipArchive(archivePath);
    if (!zip) {
        if (!ZipFallback::isEmptyArchive(archivePath))
            messages.push_back({QStringLiteral("Zip failed"), QStringLiteral("Error")});
        return tree;
    }
    unz_global_info64 global{};
    if (const int r = unzGetGlobalInfo64(zip, &global); r != UNZ_OK) {
        messages.push_back(
            {QStringLiteral("error %1 with zipfile in unzGetGlobalInfo \n").arg(r), QStringLiteral("Zip Error")});
        unzClose(zip);
        return tree;
    }
    for (ZPOS64_T i = 0; i < global.number_entry; ++i) {
        unz_file_info64 info{};
        char name[256];
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK)
            break;
        if (info.size_filename < sizeof name) {
            const QByteArray raw(name, qsizetype(info.size_filename));
            const QString text = ArchiveNameText(raw, info.flag & (1u << 11)); // the UTF-8 name flag
            if (!IsUnsafeArchivePath(text) && !IsAppleDoubleName(text))
                InsertEntryFolders(tree, text);
        }
        if (unzGoToNextFile(zip) != UNZ_OK)
            break;
    }
    unzClose(zip);
    return tree;
}
