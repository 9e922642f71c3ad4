// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Zip archives for the tests, put together field by field so an entry can say whatever the test wants
// it to say, plus minizip's own writer for a book laid out as real tools lay it out.

#include <QByteArray>
#include <QString>
#include <vector>

struct ZipTestEntry {
    QByteArray name{};
    QByteArray data{};        // what the entry unpacks to
    int method = 8;           // 8 deflated; any other method is written as the data itself
    quint16 flags = 0;        // 1 encrypted, 8 sizes in a data descriptor, 0x800 UTF-8 name
    unsigned unixMode = 0;    // non-zero: made on Unix with this file mode (e.g. a link)
    bool badCrc = false;      // a checksum that doesn't match the data
    quint64 declaredSize = 0; // non-zero: the unpacked size both headers claim (a stored entry's packed size too)
    int sharesLocalOf = -1;   // >= 0: no local record of its own, it points at that earlier entry's
    bool zip64 = false;       // the central record leaves its sizes to a zip64 extra field
};

// Local records one after another, then the central directory and its end record.
QByteArray WriteZip(const std::vector<ZipTestEntry>& entries);

// Through minizip's zip.h: only the name, the data, the method (0 or 8) and zip64 are taken; minizip
// writes zip64 extra fields into both headers.
bool WriteZipWithMinizip(const QString& path, const std::vector<ZipTestEntry>& entries);
