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

bool ExtractWholeBook(ArchiveBookPlan& plan, const QString& workDir, Messages& messages)
{
    if (!plan.writer)
        return false;
    if (plan.files.empty())
        return true;
    BookExtraction extraction(workDir, std::move(plan.files), std::move(plan.writer), std::nullopt, {});
    extraction.waitAll();
    const Messages written = extraction.takeMessages();
    messages.insert(messages.end(), written.begin(), written.end());
    return true;
}
