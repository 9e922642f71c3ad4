// SPDX-License-Identifier: GPL-3.0-or-later
#include "SevenZipTestWriter.h"

#include <QString>

#include <archive.h>
#include <archive_entry.h>
#include <zlib.h>

namespace {
QByteArray littleEndian(quint64 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char(value >> (8 * i)));
    return out;
}

quint32 crcOf(const QByteArray& bytes)
{
    return quint32(crc32_z(0, reinterpret_cast<const Bytef*>(bytes.constData()), std::size_t(bytes.size())));
}
} // namespace

QByteArray SevenZipNumber(quint64 value)
{
    // The first byte's leading one bits count the little-endian bytes after it; its low bits hold the top.
    for (int extra = 0; extra < 8; ++extra) {
        if (value < (quint64(1) << (7 * (extra + 1)))) {
            const quint8 mask = quint8(0xFF00 >> extra);
            return char(quint8(mask | (value >> (8 * extra)))) + littleEndian(value, extra);
        }
    }
    return char(0xFF) + littleEndian(value, 8);
}

QByteArray SevenZipWithHeader(const QByteArray& packed, const QByteArray& header)
{
    QByteArray next = littleEndian(quint64(packed.size()), 8) + littleEndian(quint64(header.size()), 8)
        + littleEndian(crcOf(header), 4);
    return QByteArray("7z\xBC\xAF\x27\x1C\x00\x04", 8) + littleEndian(crcOf(next), 4) + next + packed + header;
}

QByteArray WriteSevenZipArchive(const std::vector<std::vector<SevenZipTestEntry>>& folders)
{
    QByteArray packed, sizes, unpackSizes, streamCounts, streamSizes, names, empty;
    int folderCount = 0, files = 0;
    qsizetype lastStart = 0;
    for (const auto& group : folders) {
        QByteArray data;
        int streams = 0;
        for (const SevenZipTestEntry& entry : group) {
            const bool folder = entry.data == "/";
            if (!folder) {
                if (streams++ > 0) // every stream's size but the folder's last
                    streamSizes += SevenZipNumber(quint64(data.size() - lastStart));
                lastStart = data.size();
                data += entry.data;
            }
            empty.append(folder ? '\1' : '\0');
            const QString name = QString::fromUtf8(entry.name);
            names.append(reinterpret_cast<const char*>(name.utf16()), name.size() * 2).append(2, '\0');
            ++files;
        }
        if (streams == 0)
            continue;
        sizes += SevenZipNumber(quint64(data.size()));
        unpackSizes += SevenZipNumber(quint64(data.size()));
        streamCounts += SevenZipNumber(quint64(streams));
        packed += data;
        ++folderCount;
    }
    QByteArray header("\x01\x04", 2);
    header += "\x06" + SevenZipNumber(0) + SevenZipNumber(quint64(folderCount)) + "\x09" + sizes + '\0';
    header += "\x07\x0B" + SevenZipNumber(quint64(folderCount)) + '\0';
    for (int k = 0; k < folderCount; ++k)
        header += QByteArray("\x01\x01\x00", 3); // one coder, "copy"
    header += "\x0C" + unpackSizes + '\0';
    header += "\x08\x0D" + streamCounts + "\x09" + streamSizes + '\0';
    header += '\0';
    header += "\x05" + SevenZipNumber(quint64(files));
    if (empty.contains('\1')) {
        QByteArray bits((files + 7) / 8, '\0');
        for (int i = 0; i < files; ++i)
            if (empty[i])
                bits[i / 8] = char(quint8(bits[i / 8]) | (0x80 >> (i % 8)));
        header += "\x0E" + SevenZipNumber(quint64(bits.size())) + bits;
    }
    header += "\x11" + SevenZipNumber(quint64(names.size() + 1)) + '\0' + names;
    header += QByteArray(2, '\0'); // the end of the files, then of the header
    return SevenZipWithHeader(packed, header);
}

QByteArray WriteArchiveWithLibarchive(bool sevenZip, const ArchiveEntries& entries, const char* compression)
{
    archive* a = archive_write_new();
    sevenZip ? archive_write_set_format_7zip(a) : archive_write_set_format_pax_restricted(a);
    if (sevenZip && compression)
        archive_write_set_format_option(a, "7zip", "compression", compression);
    qsizetype room = 1 << 20; // headers, and what packing adds to data it can't make smaller
    for (const auto& entry : entries)
        room += entry.first.size() + entry.second.size() + 1024;
    QByteArray bytes(room, '\0');
    std::size_t used = 0;
    archive_write_open_memory(a, bytes.data(), std::size_t(bytes.size()), &used);
    for (const auto& [name, data] : entries) {
        archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, name.constData());
        archive_entry_set_filetype(e, data == "/" ? AE_IFDIR : AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, data == "/" ? 0 : data.size());
        archive_write_header(a, e);
        archive_write_data(a, data.constData(), data == "/" ? 0 : std::size_t(data.size()));
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
    bytes.truncate(qsizetype(used));
    return bytes;
}
