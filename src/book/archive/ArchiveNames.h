// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entry names as archives store them, turned into the names the program compares, shows and writes.

#include <QByteArray>
#include <QString>

// Maps the accented lower-case letters of the old DOS western code page to the same letters of the
// Windows western code page, in place; capital E acute becomes a plain "E". Other bytes stay.
void FoldArchiveName(QByteArray& name);

// The text of a stored entry name. A name the archive flags as UTF-8 is taken as it is (folding would
// break its multi-byte letters); any other name is folded and then read as Windows-1252.
QString ArchiveNameText(const QByteArray& raw, bool utf8);

// True for a name that reaches outside the folder it is extracted into: absolute ("/x", "\\x", "C:x")
// or with a ".." component. Such names never add folders to the book tree.
bool IsUnsafeArchivePath(const QString& name);

// The bare file name an entry is written under: the text after its last "/" or "\" (and after a drive
// letter), so '../evil.jpg', '/abs/p1.jpg' and 'C:/x/p2.jpg' are written flat like any other entry.
// Empty when nothing may be written: a folder entry, a bare name of "." or "..", a name holding NUL.
QString SafeBareName(const QString& name);

// True for the metadata files that macOS adds to the archives it makes: anything inside a '__MACOSX'
// folder, and AppleDouble files ('._page01.png'). They are never pages and never book folders.
bool IsAppleDoubleName(const QString& name);
