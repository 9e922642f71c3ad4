// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the small pages of one book are kept between runs (the overview's thumbnails, the covers): a
// folder per book under the thumbnail root, named by a digest of the book's canonical path, so a book
// keeps its folder wherever it is opened from and no path text ever becomes a file name.

#include <QString>

// `thumbnailRoot` (ending in "/") + the book's folder name + "/"; empty when there is no root.
QString BookThumbnailFolder(const QString& thumbnailRoot, const QString& canonicalBookPath);
