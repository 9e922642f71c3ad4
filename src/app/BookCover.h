// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cover shown for a book in the recent books: cover.png in the book's thumbnail folder, written by
// whoever makes the book's thumbnails, else a plain placeholder until it is there.

#include <QImage>
#include <QSize>
#include <QString>

// The cover of the book at `canonicalBookPath` fitted into `size` (its proportions kept, centred on a
// transparent image of exactly `size`); the placeholder when there is no cover.png or it can't be read.
QImage BookCoverImage(const QString& thumbnailRoot, const QString& canonicalBookPath, QSize size);
