// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the desktop reads about the program: its desktop entry and the MIME types of the books it
// opens. The same texts are installed with the program and written for a copy that runs where it was
// built.

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringView>
#include <optional>

// The MIME type a book extension is known by (letter case doesn't count): ".cbz" gives
// application/vnd.comicbook+zip, ".cbr" application/vnd.comicbook-rar, ".bdz" the program's own type.
// Empty for an extension the program doesn't associate.
QByteArray MimeTypeForExtension(QStringView extension);

// The desktop entry that stands for a class: "Bullevista" is bullevista.desktop.
QByteArray DesktopIdFor(QStringView className);

// The Exec value that opens one file with `program` (an absolute path, or a bare name looked up in
// PATH). The path is quoted only when it holds a character the desktop entry rules reserve, since
// simpler readers of the entry take its first word as the program. Nothing for a path that no entry
// can hold (a control character such as a line break).
std::optional<QByteArray> ExecLineFor(const QString& program);

// The whole desktop entry of `className` opening books with `execLine` and declaring `mimeTypes`.
QByteArray DesktopEntryText(QStringView className, const QByteArray& execLine, const QByteArrayList& mimeTypes);

// The MIME types of every book type; the installed entry declares them all.
QByteArrayList BookMimeTypes();

// The book types the General page doesn't list (cb7, cbt): a registered class always declares them. The
// listed ones it declares only while they are associated, since the desktop falls back to any program
// that declares a type when no default is set for it.
QByteArrayList UnlistedBookMimeTypes();

// The types the MimeType line of `entry` declares.
QByteArrayList DeclaredMimeTypes(const QByteArray& entry);

// `entry` declaring `mimeType` (last) or not, the rest of it as it was.
QByteArray WithDeclaredMimeType(const QByteArray& entry, const QByteArray& mimeType, bool declared);

// The shared-mime-info package declaring the program's own type and the book types it opens.
QByteArray MimePackageXml();

// The freedesktop thumbnailer entry that has the file manager ask `program` for the books' covers.
QByteArray ThumbnailerEntryText(const QByteArray& program);

// The file names the texts go under: applications/, mime/packages/ and the icon theme's apps/.
inline constexpr const char* kMimePackageName = "bullevista.xml";
inline constexpr const char* kIconName = "bullevista";
inline constexpr const char* kThumbnailerName = "bullevista.thumbnailer"; // under thumbnailers/
