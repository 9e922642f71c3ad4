#pragma once
// Writes zip archives for the tests through minizip's zip.h, plus a hand-made one with data
// descriptors (which minizip's writer doesn't produce).

#include <QByteArray>
#include <QString>
#include <vector>

struct ZipTestEntry {
    QByteArray name;
    QByteArray data;
    int method = 8;           // 0 stored, 8 deflated; any other value is written raw as that method
    bool utf8 = false;        // set the UTF-8 name flag
    bool zip64 = false;       // write zip64 extra fields
    bool badCrc = false;      // store a checksum that doesn't match the data
    bool encrypted = false;   // set the encrypted flag (the data is left as it is)
    unsigned unixMode = 0;    // non-zero: made on Unix with this file mode (e.g. a link)
};

// Writes the archive to `path`; false when minizip refused.
bool WriteZipArchive(const QString& path, const std::vector<ZipTestEntry>& entries);

// A zip of stored entries whose sizes and checksums follow the data in descriptors.
QByteArray ZipWithDataDescriptors(const std::vector<ZipTestEntry>& entries);

// One entry of a zip put together field by field, saying whatever the test wants it to say.
struct RawZipEntry {
    QByteArray name;
    QByteArray stored;      // the bytes after its local header (already deflated for method 8)
    int method = 0;
    quint32 crc = 0;
    quint64 compressedSize = 0; // as both headers declare them
    quint64 uncompressedSize = 0;
    int sharesLocalOf = -1; // >= 0: no local record of its own; points at that entry's local header
    bool zip64 = false;     // the central record leaves its sizes to a zip64 extra field
};

// The entries as declared, honestly: stored, or deflated, with their true sizes and checksum.
RawZipEntry HonestZipEntry(const QByteArray& name, const QByteArray& data, int method = 0);

// Local records one after another, then the central directory and its end record.
QByteArray AssembleZip(const std::vector<RawZipEntry>& entries);
