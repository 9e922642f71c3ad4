// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Listing the page images of one directory.

#include "book/PageList.h"

#include <QString>
#include <optional>

// The page images in `dir` (ending in "/"), sorted into reading order by `order`; nullopt when the directory can't
// be listed. Every entry with a page-like name is listed, a sub-directory too (opening it as a page
// then fails like a damaged file); names alone decide, so a large book costs one pass over the
// directory and no file is opened or looked up.
std::optional<PageNameList> ScanPageDirectory(const QString& dir, PageOrder order = PageOrder::Bytes);
