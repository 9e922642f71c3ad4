// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An archive book planned from its directory before anything is written: the pages in reading order
// (as a folder of the planned files would list them) and the files to write, with the writer that
// writes them.

#include "book/BookExtraction.h"
#include "book/PageList.h"

#include <memory>
#include <optional>
#include <vector>

struct ArchiveBookPlan {
    PageNameList pages;                // reading order; file k of `files` is page k
    std::vector<ExtractionFile> files; // the pages, then the other files of the book (an info.bdi)
    std::unique_ptr<ArchiveFileWriter> writer;
    bool complete = true; // false: the directory broke off, the book fails once what can be written is
    // Said once the page shown first is on screen, not before it: an archive cut short that still opens.
    Messages afterFirstPage;
};

// Puts `files` (each bare name once) in the plan: the pages first, in reading order (folder by folder
// by their paths, then by name), then the others.
void SetBookFiles(ArchiveBookPlan& plan, std::vector<ExtractionFile> files);

// Puts the pages of a plan made by SetBookFiles in `order`, each page keeping its file.
void OrderBookPages(ArchiveBookPlan& plan, PageOrder order);

// Why the plan holds no page that can be read, in one message with `caption`: no image at all, or
// every page encrypted or packed with a method no reader here knows. Nothing when a page may be read.
std::optional<Message> NoReadablePage(const ArchiveBookPlan& plan, const QString& caption);

// Writes every file of the plan into `workDir` and waits; then adds the messages to `messages`, in the
// archive's order. False when there was nothing to write it with.
bool ExtractWholeBook(ArchiveBookPlan& plan, const QString& workDir, Messages& messages);
