// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/FirstPage.h"

#include "book/BookKind.h"
#include "book/RarBook.h"
#include "book/SevenZipTarBook.h"
#include "book/ZipBook.h"
#include "common/platform/DirectoryHandle.h"

#include <QFile>

std::optional<QString> WriteFirstPage(const QString& archivePath, const QString& folder,
                                      const std::atomic<bool>& cancelled, Messages& messages)
{
    const BookKind kind = BookKindOfExtension(BookFileExtension(archivePath));
    if (kind == BookKind::Zip || kind == BookKind::Rar || kind == BookKind::SevenZipTar) {
        // Page 1 alone: a solid 7z of 600 pages is not unpacked whole for its cover.
        std::optional<ArchiveBookPlan> plan = kind == BookKind::Zip
            ? PlanZipArchiveBook(archivePath, folder, BookChooser(), messages)
            : kind == BookKind::Rar ? PlanRarArchiveBook(archivePath, folder, BookChooser(), messages)
                                    : PlanSevenZipTarBook(archivePath, folder, BookChooser(), messages);
        if (!plan || !plan->writer || plan->pages.isEmpty() || plan->files.empty() || cancelled)
            return std::nullopt;
        const DirectoryHandle dir = DirectoryHandle::open(folder);
        if (!dir.isOpen())
            return std::nullopt;
        const ExtractionFile& page = plan->files.front();
        FileResult result = plan->writer->write(page, dir, page.bareName, cancelled);
        messages.insert(messages.end(), result.messages.begin(), result.messages.end());
        if (!result.written || cancelled)
            return std::nullopt;
        return folder + QFile::decodeName(page.bareName);
    }
    return std::nullopt;
}
