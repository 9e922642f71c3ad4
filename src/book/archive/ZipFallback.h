// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the zip entries minizip can't: zip64 entries (this minizip trips over their local sizes) and
// methods it doesn't inflate (bzip2, LZMA...), for which it would hand back the raw compressed bytes.
// libarchive reads the same archive through its central directory.

#include <QByteArray>
#include <QString>
#include <cstddef>

struct archive;

class ZipFallback {
public:
    explicit ZipFallback(QString path) : m_path(std::move(path)) {}
    ~ZipFallback();
    ZipFallback(const ZipFallback&) = delete;
    ZipFallback& operator=(const ZipFallback&) = delete;

    // Moves to the entry stored under `rawName`; false when libarchive can't find or read it. Entries
    // are searched forward from the last one found, then once from the start.
    bool seekEntry(const QByteArray& rawName);

    // Reads the next bytes of that entry's data: the count, 0 at its end, negative on damage.
    long read(char* buffer, std::size_t size);

    // True when `path` is a well-formed zip archive without a single entry (minizip refuses those).
    static bool isEmptyArchive(const QString& path);

private:
    bool reopen();
    bool scanTo(const QByteArray& rawName);

    QString m_path;
    struct archive* m_archive = nullptr;
    bool m_atEnd = false;
};
