#pragma once
// Opening a book: a directory of page images, or a file (an image, a zip-family or rar-family archive).

#include <QString>

struct AppState;

// Opens the directory in BookDir as a book.
void OpenDirectoryBook(AppState& state);

// Opens a book file by its path.
void OpenFileBook(AppState& state, const QString& path);

// Writes the page counter ("PAGE : 3/24 (name)") into the skin text "main" and shows the page.
void PresentPage(AppState& state);
