#pragma once
// Listing the page images of one directory.

#include "book/PageList.h"

#include <QString>
#include <optional>

// The page images in `dir` (ending in "/"), sorted into reading order; nullopt when the directory can't
// be listed. Sub-directories are never pages, whatever their name. The kind of an entry comes from the
// listing itself; only links and entries of unknown kind are looked up, so a large book costs one pass
// over the directory and no file is opened.
std::optional<PageNameList> ScanPageDirectory(const QString& dir);
