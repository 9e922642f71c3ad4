// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What kind of book a file is, told by the extension of its name.

#include <QString>

enum class BookKind { Zip, Rar, SevenZipTar, Pdf, Image, None };

// The lowered text after the last "." of the path's last component; the whole last component when it
// has no "." ('/books/comic' gives 'comic').
QString BookFileExtension(const QString& path);

// zip, bdz, cbz: Zip; cbr, rar: Rar; cb7, 7z, cbt, tar: SevenZipTar; pdf: Pdf; jpeg, jpg, png, gif, bmp, webp,
// avif, jxl: Image; anything else: None.
BookKind BookKindOfExtension(const QString& extension);
