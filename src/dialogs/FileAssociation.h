// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Making the program the desktop's handler of the book types the General page lists. The "class" is the
// program's desktop entry; an extension is associated when the program is the default application of
// the extension's MIME type. Everything is written under the user's own XDG folders.

#include <QString>
#include <QStringList>

inline constexpr const char* kBookClassName = "Bullevista";

// The extensions the General page lists, in its order: ".BDz", ".cbz", ".cbr", ".pdf" (none ticked
// until the reader associates it).
QStringList AssociableExtensions();

// True exactly when `className` is the default application of `extension`'s type, as the desktop finds
// it: the first mimeapps.list that names an installed entry for the type decides.
bool IsAssociated(const QString& className, const QString& extension);

// Makes `value` (a class name) the default application of `extension`'s type, or releases the
// program's default when `value` is empty. Failures leave things as they were and are not reported.
void SetAssociation(const QString& value, const QString& extension);

// Writes (again) the class: its desktop entry (description, icon and the command that opens a book
// with this executable), its icon and the MIME types it handles.
void RegisterBookClass(const QString& className);
