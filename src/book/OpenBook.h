// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a book: a directory of page images, or a file (an image, a zip-family or rar-family archive,
// a PDF).
// These only open and decode; showing the result, the preload and the scratch folder's emptying belong
// to the caller.

#include "book/BookState.h"
#include "book/PlanningThread.h"
#include "book/archive/BookChooser.h"
#include "common/Message.h"
#include "image/DecodePage.h"

#include <QSize>
#include <QString>
#include <functional>

// How the first page is decoded, where "openlast" resumes, and how the opening reaches the reader.
struct BookOpening {
    bool flipped = false;
    DecodeOptions decode;
    std::int32_t resumePage = 0; // the page shown first while resumePending is set
    // The box a PDF book's pages are rendered to fit, in device pixels; a height of 0 fits the width.
    QSize pageBox;
    PageOrder order = PageOrder::Bytes;
    // Called on the extraction's worker thread after each file of an archive book is settled; it must
    // only post to the user-interface thread.
    BookExtraction::Notify extractionProgress;
    // Asked for the book inside an archive whose folders branch; none: the whole archive is the book.
    BookChooser chooseBook;
    // Shows the messages found so far where the reader must see them before the opening goes on: before
    // being asked for a book, and before an archive's pages are written. None: they stay in the list.
    std::function<void(const Messages&)> showNow;
    // Keeps the user-interface thread answering while an archive is listed on a helper thread and its
    // first page written; none: both are waited for on the calling thread.
    WaitUntil waitUntil;
};

// Opens the directory in BookDir (ending in "/") as a book. BookPath is empty for a newly chosen
// directory and holds the archive's path when an archive's pages were extracted into WorkDir. Returns
// true when the book is open at its first page (or the remembered one when resumePending is set). A
// page that fails to decode is still shown, as an empty page, like any later damaged page. A directory
// without pages leaves no book open, without a message.
bool OpenDirectoryBook(BookState& book, const BookOpening& how);

// Opens a book file by its absolute path: an archive through extraction into `workDir` (emptied by the
// caller), a PDF through its pages rendered there, an image through its directory. Any other kind gives "Unsupported
// extension file". What went wrong is added to `messages`, in order, for the caller to show before the page. A zip- or
// rar-family book opens as soon as the page shown first is written; the other files are written by `book.extraction`
// while the reader reads, once the caller releases it (the page is on screen), and its messages are the caller's to
// take. When `how.waitUntil` gives up (another book is being opened, or the program ends) the opening
// returns false at once and leaves `book` to whoever took it over.
bool OpenFileBook(BookState& book, const QString& fullPath, const QString& workDir, const BookOpening& how,
                  Messages& messages);

// Leaves no book open: the extraction stops, the page list, the flag, the remembered position and the
// page go.
void CloseBook(BookState& book);
