// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A PDF book: its pages are rendered by Poppler into page files in WorkDir, one worker-thread "file"
// per page, so the page turns, waits and preloading of archive books serve it unchanged. Poppler never
// runs on the user-interface thread: the document is loaded on a helper thread, and its pages on the
// extraction's worker.

#include "book/ArchiveBook.h"
#include "common/Message.h"

#include <QSize>
#include <QString>
#include <optional>

// The names the pages of a book of `pageCount` pages are written under ("0001.bmp" ...), in reading
// order; the page list sorts them the same way.
QByteArray PdfPageFileName(int page, int pageCount);

// Plans the book at `pdfPath`, its pages to be rendered into `workDir` to fit `box`. Nothing: the file is no PDF, is
// damaged beyond reading, or needs a password; the reason is in `messages`.
std::optional<ArchiveBookPlan> PlanPdfBook(const QString& pdfPath, const QString& workDir, QSize box,
                                           Messages& messages);
