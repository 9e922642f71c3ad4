#pragma once
// Opening a book: a directory of page images, or a file (an image, a zip-family or rar-family archive).

#include <QString>

struct AppState;

// Opens the directory in BookDir (ending in "/") as a book. BookPath is empty for a newly chosen
// directory and holds the archive's path when an archive's pages were extracted into WorkDir. On
// success the first page (or the remembered one when resumePending is set) is decoded and shown; on
// failure no book is open and the title returns, without a message.
void OpenDirectoryBook(AppState& state);

// Opens a book file by its path: an archive through extraction into WorkDir, an image through its
// directory. Shows "Unsupported extension file" for any other kind.
void OpenFileBook(AppState& state, const QString& path);

// Writes the page counter ("PAGE : 3/24 (name)") into the skin text "main" and shows the page. Called
// whenever the current page has been decoded and pageIndex names it.
void PresentPage(AppState& state);

// Back to no book: the "main" text shows the product title again.
void ShowNoBook(AppState& state);
