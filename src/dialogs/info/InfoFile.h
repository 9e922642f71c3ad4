// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book's info.bdi: "key=value" lines shown by the Info dialog as a two-column table.

#include <QByteArray>
#include <QList>
#include <QString>

struct InfoEntry {
    QString key; // at most its first 20 characters
    QString value;
    bool operator==(const InfoEntry&) const = default;
};

// The entries of a file's bytes, in file order. Lines are read at most 275 characters at a time (a longer
// line goes on as the next line); an empty line, one that begins with "[" and one without "=" are
// skipped; the key is the text before the first "=", the value everything after it.
QList<InfoEntry> ParseInfoFile(const QByteArray& bytes);

// The entries of the file at `path`: nothing when it is missing, unreadable or not a regular file. At
// most the first 16 MB are read.
QList<InfoEntry> ReadInfoFile(const QString& path);
