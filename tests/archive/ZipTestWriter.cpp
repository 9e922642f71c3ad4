// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZipTestWriter.h"

#include "ArchiveBytes.h"

#include <QFile>
#include <algorithm>
#include <minizip/zip.h>

namespace {
// zlib's own format is a two-byte header, the raw deflate stream a zip holds, and a four-byte checksum.
QByteArray deflated(const QByteArray& data)
{
    QByteArray out(qsizetype(compressBound(uLong(data.size()))), '\0');
    uLongf size = uLongf(out.size());
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.constData()),
              uLong(data.size()), Z_BEST_COMPRESSION);
    return out.mid(2, qsizetype(size) - 6);
}

struct Sizes {
    quint32 crc = 0;
    quint64 packed = 0, unpacked = 0;
};

// What the local and the central header share, from the flags to the extra field's length.
QByteArray sharedFields(const ZipTestEntry& e, const Sizes& s, bool inZip64, qsizetype extraSize)
{
    const auto size32 = [inZip64](quint64 v) { return le(inZip64 ? 0xFFFFFFFF : std::min<quint64>(v, 0xFFFFFFFF), 4); };
    return le(e.flags, 2) + le(quint32(e.method), 2) + le(0, 4) + le(s.crc, 4) + size32(s.packed) + size32(s.unpacked)
        + le(e.name.size(), 2) + le(extraSize, 2);
}
} // namespace

QByteArray WriteZip(const std::vector<ZipTestEntry>& entries)
{
    QByteArray out, central;
    std::vector<quint64> offsets;
    std::vector<Sizes> sizes;
    for (const ZipTestEntry& e : entries) {
        const bool shared = e.sharesLocalOf >= 0;
        const QByteArray stored = shared ? QByteArray() : e.method == 8 ? deflated(e.data) : e.data;
        Sizes s = shared ? sizes[std::size_t(e.sharesLocalOf)]
                         : Sizes{crcOf(e.data) ^ (e.badCrc ? 1u : 0u), quint64(stored.size()), quint64(e.data.size())};
        if (e.declaredSize)
            s = {s.crc, e.method == 8 ? s.packed : e.declaredSize, e.declaredSize};
        sizes.push_back(s);
        offsets.push_back(shared ? offsets[std::size_t(e.sharesLocalOf)] : quint64(out.size()));
        if (!shared) {
            const bool descriptor = e.flags & 8; // the sizes and checksum follow the data
            out += le(0x04034b50, 4) + le(20, 2) + sharedFields(e, descriptor ? Sizes{} : s, false, 0) + e.name;
            out += stored;
            if (descriptor)
                out += le(0x08074b50, 4) + le(s.crc, 4) + le(s.packed, 4) + le(s.unpacked, 4);
        }
        const QByteArray extra = e.zip64 ? le(1, 2) + le(16, 2) + le(s.unpacked, 8) + le(s.packed, 8) : QByteArray();
        // Made on Unix with a file mode, or on DOS; then the comment's length, disk and internal attributes.
        central += le(0x02014b50, 4) + le((e.unixMode ? 3u << 8 : 0) | 20, 2) + le(e.zip64 ? 45 : 20, 2)
            + sharedFields(e, s, e.zip64, extra.size()) + le(0, 6) + le(e.unixMode << 16, 4) + le(offsets.back(), 4)
            + e.name + extra;
    }
    return out + central + le(0x06054b50, 4) + le(0, 4) + le(entries.size(), 2) + le(entries.size(), 2)
        + le(central.size(), 4) + le(out.size(), 4) + le(0, 2);
}

bool WriteZipWithMinizip(const QString& path, const std::vector<ZipTestEntry>& entries)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    bool ok = zip != nullptr;
    for (const ZipTestEntry& e : entries) {
        zip_fileinfo info{};
        ok = ok
            && zipOpenNewFileInZip64(zip, e.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, e.method,
                                     e.method ? Z_DEFAULT_COMPRESSION : 0, e.zip64 ? 1 : 0)
                == ZIP_OK
            && zipWriteInFileInZip(zip, e.data.constData(), unsigned(e.data.size())) == ZIP_OK
            && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zip && zipClose(zip, nullptr) == ZIP_OK && ok;
}
