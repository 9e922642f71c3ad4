#pragma once
// Opening a book: a directory of page images, or a file (an image, a zip-family or rar-family archive).

#include <QString>

struct AppState;

// Opens the directory in BookDir as a book.
void OpenDirectoryBook(AppState& state);

// Opens a book file by its path.
void OpenFileBook(AppState& state, const QString& path);
