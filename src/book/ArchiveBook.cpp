// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/ArchiveBook.h"

#include "book/archive/FlatBookNames.h"

#include <algorithm>

void SetBookFiles(ArchiveBookPlan& plan, std::vector<ExtractionFile> files)
{
    std::vector<std::pair<PageName, ExtractionFile>> pages;
    std::vector<ExtractionFile> others;
    for (ExtractionFile& file : files) {
        PageName name = MakePageName(file.bareName);
        if (IsPageName(name.lowered))
            pages.emplace_back(std::move(name), std::move(file));
        else
            others.push_back(std::move(file));
    }
    // Folder by folder; within one folder the order of PageNameList::sort, which a folder of these files
    // would get.
    std::sort(pages.begin(), pages.end(), [](const auto& a, const auto& b) {
        if (const int order = CompareBookPaths(a.second.path, b.second.path))
            return order < 0;
        if (const int order = ComparePageNames(a.first.lowered, b.first.lowered))
            return order < 0;
        return ComparePageNames(a.second.bareName, b.second.bareName) < 0;
    });
    plan.pages.clear();
    plan.files.clear();
    for (auto& [name, file] : pages) {
        plan.pages.append(std::move(name));
        plan.files.push_back(std::move(file));
    }
    plan.files.insert(plan.files.end(), std::make_move_iterator(others.begin()), std::make_move_iterator(others.end()));
}

void OrderBookPages(ArchiveBookPlan& plan, PageOrder order)
{
    const std::size_t count = std::size_t(plan.pages.count());
    if (order == PageOrder::Bytes || count > plan.files.size())
        return; // planned in byte order already
    std::vector<std::size_t> index(count);
    for (std::size_t k = 0; k < count; ++k)
        index[k] = k;
    const auto& pages = plan.pages.pages();
    // Folder by folder as in byte order, each part of the path by the natural rule.
    std::sort(index.begin(), index.end(), [&](std::size_t a, std::size_t b) {
        if (const int byPath = CompareBookPaths(plan.files[a].path, plan.files[b].path, order))
            return byPath < 0;
        return PageNameBefore(pages[a].lowered, plan.files[a].bareName, pages[b].lowered, plan.files[b].bareName,
                              order);
    });
    PageNameList sortedPages;
    std::vector<ExtractionFile> sortedFiles;
    sortedFiles.reserve(plan.files.size());
    for (std::size_t k : index) {
        sortedPages.append(pages[k]);
        sortedFiles.push_back(std::move(plan.files[k]));
    }
    sortedFiles.insert(sortedFiles.end(), std::make_move_iterator(plan.files.begin() + std::ptrdiff_t(count)),
                       std::make_move_iterator(plan.files.end()));
    plan.pages = std::move(sortedPages);
    plan.files = std::move(sortedFiles);
}

std::optional<Message> NoReadablePage(const ArchiveBookPlan& plan, const QString& caption)
{
    const std::size_t count = std::min(std::size_t(plan.pages.count()), plan.files.size());
    if (count == 0)
        return Message{QStringLiteral("This archive holds no image"), caption};
    bool encrypted = false;
    for (std::size_t k = 0; k < count; ++k) {
        if (plan.files[k].trouble == EntryTrouble::None)
            return std::nullopt;
        encrypted = encrypted || plan.files[k].trouble == EntryTrouble::Encrypted;
    }
    if (encrypted)
        return Message{QStringLiteral("The pages of this archive are encrypted, and no password is asked for"), caption};
    return Message{QStringLiteral("The pages of this archive are compressed with a method this program can't read"),
                   caption};
}

bool ExtractWholeBook(ArchiveBookPlan& plan, const QString& workDir, Messages& messages)
{
    if (!plan.writer)
        return false;
    messages.insert(messages.end(), plan.afterFirstPage.begin(), plan.afterFirstPage.end());
    if (plan.files.empty())
        return true;
    BookExtraction extraction(workDir, std::move(plan.files), std::move(plan.writer), std::nullopt, {});
    extraction.waitAll();
    const Messages written = extraction.takeMessages();
    messages.insert(messages.end(), written.begin(), written.end());
    return true;
}
