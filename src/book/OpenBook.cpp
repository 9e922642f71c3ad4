#include "book/OpenBook.h"

#include "app/AppState.h"

// FIXME: books open with the page-decoding work; until then a named book is only remembered.
void OpenDirectoryBook(AppState&) {}

void OpenFileBook(AppState&, const QString&) {}

void PresentPage(AppState&) {}
