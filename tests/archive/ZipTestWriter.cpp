#include "ZipTestWriter.h"

#include "ArchiveBytes.h"

#include <QFile>
#include <algorithm>
#include <minizip/zip.h>

bool WriteZipArchive(const QString& path, const std::vector<ZipTestEntry>& entries)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const ZipTestEntry& e : entries) {
        zip_fileinfo info{};
        info.external_fa = e.unixMode ? (uLong(e.unixMode) << 16) : 0;
        const uLong madeBy = e.unixMode ? (3u << 8) | 20 : 20;
        uLong flags = e.utf8 ? (1u << 11) : 0;
        if (e.encrypted)
            flags |= 1;
        const bool raw = e.badCrc || e.encrypted || (e.method != 0 && e.method != Z_DEFLATED);
        const int level = e.method == Z_DEFLATED ? Z_DEFAULT_COMPRESSION : 0;
        ok &= zipOpenNewFileInZip4_64(zip, e.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, e.method,
                                      level, raw ? 1 : 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY,
                                      nullptr, 0, madeBy, flags, e.zip64 ? 1 : 0)
              == ZIP_OK;
        ok &= zipWriteInFileInZip(zip, e.data.constData(), unsigned(e.data.size())) == ZIP_OK;
        if (raw)
            ok &= zipCloseFileInZipRaw64(zip, ZPOS64_T(e.data.size()), crcOf(e.data) ^ (e.badCrc ? 1u : 0u)) == ZIP_OK;
        else
            ok &= zipCloseFileInZip(zip) == ZIP_OK;
    }
    ok &= zipClose(zip, nullptr) == ZIP_OK;
    return ok;
}

QByteArray ZipWithDataDescriptors(const std::vector<ZipTestEntry>& entries)
{
    QByteArray out;
    QByteArray central;
    for (const ZipTestEntry& e : entries) {
        const quint32 offset = quint32(out.size());
        const quint32 crc = crcOf(e.data);
        QByteArray local;
        put32(local, 0x04034b50);
        put16(local, 20);
        put16(local, 0x0008); // sizes and checksum follow the data
        put16(local, 0);      // stored
        put32(local, 0);      // time and date
        put32(local, 0);      // checksum, size and size left for the descriptor
        put32(local, 0);
        put32(local, 0);
        put16(local, quint32(e.name.size()));
        put16(local, 0);
        out += local + e.name + e.data;
        put32(out, 0x08074b50);
        put32(out, crc);
        put32(out, quint32(e.data.size()));
        put32(out, quint32(e.data.size()));

        put32(central, 0x02014b50);
        put16(central, 20);
        put16(central, 20);
        put16(central, 0x0008);
        put16(central, 0);
        put32(central, 0);
        put32(central, crc);
        put32(central, quint32(e.data.size()));
        put32(central, quint32(e.data.size()));
        put16(central, quint32(e.name.size()));
        put16(central, 0);
        put16(central, 0);
        put16(central, 0);
        put16(central, 0);
        put32(central, 0);
        put32(central, offset);
        central += e.name;
    }
    const quint32 centralOffset = quint32(out.size());
    out += central;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint32(entries.size()));
    put16(out, quint32(entries.size()));
    put32(out, quint32(central.size()));
    put32(out, centralOffset);
    put16(out, 0);
    return out;
}

RawZipEntry HonestZipEntry(const QByteArray& name, const QByteArray& data, int method)
{
    QByteArray stored = data;
    if (method == Z_DEFLATED) {
        stored.resize(qsizetype(compressBound(uLong(data.size()))));
        z_stream z{};
        deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
        z.avail_in = uInt(data.size());
        z.next_out = reinterpret_cast<Bytef*>(stored.data());
        z.avail_out = uInt(stored.size());
        deflate(&z, Z_FINISH);
        stored.resize(qsizetype(z.total_out));
        deflateEnd(&z);
    }
    return {name, stored, method, crcOf(data), quint64(stored.size()), quint64(data.size())};
}

QByteArray AssembleZip(const std::vector<RawZipEntry>& entries)
{
    const auto low32 = [](quint64 v) { return quint32(std::min<quint64>(v, 0xFFFFFFFF)); };
    QByteArray out;
    std::vector<quint32> offsets;
    for (const RawZipEntry& e : entries) {
        if (e.sharesLocalOf >= 0) {
            offsets.push_back(offsets[std::size_t(e.sharesLocalOf)]);
            continue;
        }
        offsets.push_back(quint32(out.size()));
        put32(out, 0x04034b50);
        put16(out, 20);
        put16(out, 0);
        put16(out, quint32(e.method));
        put32(out, 0);
        put32(out, e.crc);
        put32(out, low32(e.compressedSize));
        put32(out, low32(e.uncompressedSize));
        put16(out, quint32(e.name.size()));
        put16(out, 0);
        out += e.name + e.stored;
    }
    QByteArray central;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const RawZipEntry& e = entries[i];
        QByteArray extra;
        if (e.zip64) {
            put16(extra, 0x0001);
            put16(extra, 16);
            put32(extra, quint32(e.uncompressedSize));
            put32(extra, quint32(e.uncompressedSize >> 32));
            put32(extra, quint32(e.compressedSize));
            put32(extra, quint32(e.compressedSize >> 32));
        }
        put32(central, 0x02014b50);
        put16(central, e.zip64 ? 45 : 20);
        put16(central, e.zip64 ? 45 : 20);
        put16(central, 0);
        put16(central, quint32(e.method));
        put32(central, 0);
        put32(central, e.crc);
        put32(central, e.zip64 ? 0xFFFFFFFF : low32(e.compressedSize));
        put32(central, e.zip64 ? 0xFFFFFFFF : low32(e.uncompressedSize));
        put16(central, quint32(e.name.size()));
        put16(central, quint32(extra.size()));
        put16(central, 0);
        put16(central, 0);
        put16(central, 0);
        put32(central, 0);
        put32(central, offsets[i]);
        central += e.name + extra;
    }
    const quint32 centralOffset = quint32(out.size());
    out += central;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint32(entries.size()));
    put16(out, quint32(entries.size()));
    put32(out, quint32(central.size()));
    put32(out, centralOffset);
    put16(out, 0);
    return out;
}
