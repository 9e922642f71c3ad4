// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/FirstPage.h"

#include "book/BookKind.h"
#include "book/PageDirectory.h"
#include "book/RarBook.h"
#include "book/SevenZipTarBook.h"
#include "book/ZipBook.h"
#include "common/platform/DirectoryHandle.h"

#include <QFile>

std::optional<QString> WriteFirstPage(const QString& archivePath, const QString& folder,
                                      const std::atomic<bool>& cancelled, Messages& messages)
{
    const BookKind kind = BookKindOfExtension(BookFileExtension(archivePath));
    if (kind == BookKind::Zip || kind == BookKind::Rar) {
        std::optional<ArchiveBookPlan> plan = kind == BookKind::Zip
            ? PlanZipArchiveBook(archivePath, folder, BookChooser(), messages)
            : PlanRarArchiveBook(archivePath, folder, BookChooser(), messages);
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
    if (kind == BookKind::SevenZipTar) {
        if (!ExtractSevenZipTarBook(archivePath, folder, BookChooser(), messages) || cancelled)
            return std::nullopt;
        const std::optional<PageNameList> pages = ScanPageDirectory(folder);
        if (!pages || pages->isEmpty())
            return std::nullopt;
        return folder + pages->item(0);
    }
    return std::nullopt;
}
