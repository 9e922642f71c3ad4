// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first page of an archive book, written alone: for a cover, without the reader and without the
// rest of the book. The book is planned from the archive's directory as when it is opened (the whole
// archive is the book, the same order, bombs refused, sizes within the allowance) and only page 1 is
// written. A 7z or tar book is still written whole first, then its first page is taken.

#include "common/Message.h"

#include <QString>

#include <atomic>
#include <optional>

// Writes the first page of the book `archivePath` into `folder` (empty, ending in "/") and gives its
// path; nothing when the archive is refused, holds no page or `cancelled` is set meanwhile.
std::optional<QString> WriteFirstPage(const QString& archivePath, const QString& folder,
                                      const std::atomic<bool>& cancelled, Messages& messages);
