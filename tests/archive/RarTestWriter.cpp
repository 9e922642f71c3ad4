// SPDX-License-Identifier: GPL-3.0-or-later
#include "RarTestWriter.h"

#include "ArchiveBytes.h"

#include <algorithm>

namespace {
constexpr quint32 kDosTime = (44u << 25) | (6u << 21) | (15u << 16) | (12u << 11); // 2024-06-15 12:00
const QByteArray kRar5Signature("Rar!\x1A\x07\x01\x00", 8);

// --- RAR 4 -------------------------------------------------------------------------------------------

QByteArray rar4Block(quint8 type, quint16 flags, const QByteArray& body)
{
    const QByteArray block = char(type) + le(flags, 2) + le(7 + body.size(), 2) + body;
    return le(crcOf(block) & 0xFFFF, 2) + block;
}

// The Unicode name form: a plain stand-in, a zero, then every UTF-16 unit spelled out in full.
QByteArray rar4UnicodeName(const QByteArray& utf8)
{
    const QString text = QString::fromUtf8(utf8);
    const QByteArray plain(text.size(), '_');
    QByteArray encoded(1, '\0'); // high byte, unused by this spelling
    for (qsizetype i = 0; i < text.size(); i += 4) {
        encoded.append(char(0xAA)); // four units, each "two bytes follow"
        for (qsizetype j = i; j < text.size() && j < i + 4; ++j)
            encoded += le(text[j].unicode(), 2);
    }
    return plain + '\0' + encoded;
}

QByteArray rar4File(const RarTestEntry& e)
{
    QByteArray name = e.name;
    name.replace('/', '\\');
    quint16 flags = 0x8000 | (e.folder ? 0x00E0 : 0) | (e.encrypted ? 0x0004 : 0);
    if (e.unicode && std::any_of(name.begin(), name.end(), [](char c) { return c & 0x80; })) {
        flags |= 0x0200;
        name = rar4UnicodeName(name);
    }
    // Packed and unpacked size, made on Windows, checksum, time, version 2.9, stored, attributes.
    const QByteArray body = le(e.data.size(), 4) + le(e.declaredSize ? e.declaredSize : e.data.size(), 4) + char(2)
        + le(crcOf(e.data), 4) + le(kDosTime, 4) + char(29) + char(0x30) + le(name.size(), 2)
        + le(e.folder ? 0x10 : 0x20, 4) + name;
    return rar4Block(0x74, flags, body) + e.data;
}

// --- RAR 5 -------------------------------------------------------------------------------------------

QByteArray vints(std::initializer_list<quint64> values)
{
    QByteArray out;
    for (quint64 v : values) {
        do {
            out.append(char((v & 0x7F) | (v > 0x7F ? 0x80 : 0)));
            v >>= 7;
        } while (v);
    }
    return out;
}

QByteArray rar5Block(const QByteArray& header)
{
    const QByteArray sized = vints({quint64(header.size())}) + header;
    return le(crcOf(sized), 4) + sized;
}

// The main header; a volume set numbers its volumes from 0.
QByteArray rar5Main(int volume = -1, bool solid = false)
{
    const quint64 s = solid ? 4 : 0;
    return rar5Block(volume < 0 ? vints({1, 0, s})
                         : volume ? vints({1, 0, 3 | s, quint64(volume)})
                                  : vints({1, 0, 1 | s}));
}

QByteArray rar5End(bool moreVolumes)
{
    return rar5Block(vints({5, 0, moreVolumes ? 1u : 0u}));
}

// One file header with `part` as its data; `splitFlags` marks a part continued from or into a volume.
QByteArray rar5File(const RarTestEntry& e, const QByteArray& part, quint64 splitFlags)
{
    QByteArray extra;
    if (e.encrypted) { // an encryption record: AES-256, 2^15 rounds, salt and IV
        const QByteArray record = vints({1, 0, 0}) + char(15) + QByteArray(32, '\x5A');
        extra = vints({quint64(record.size())}) + record;
    }
    // A data area (empty for a folder), then its size, folder or "a CRC32 follows", the unpacked size,
    // the attributes or a link's Unix mode, stored, made on Unix for a link and on Windows otherwise.
    QByteArray h = vints({2, 0x0002 | splitFlags | (extra.isEmpty() ? 0 : 0x0001)});
    if (!extra.isEmpty())
        h += vints({quint64(extra.size())});
    const quint64 unpacked = e.declaredSize ? e.declaredSize : quint64(e.data.size());
    const quint64 mode = e.symlink ? 0120777u : (e.folder ? 0x10u : 0x20u);
    h += vints({quint64(part.size()), e.folder ? 0x0001u : 0x0004u, unpacked, mode});
    if (!e.folder)
        h += le(crcOf(e.data), 4);
    h += vints({0, e.symlink ? 1u : 0u, quint64(e.name.size())}) + e.name + extra;
    return rar5Block(h) + part;
}
} // namespace

QByteArray WriteRarArchive(RarFormat format, const std::vector<RarTestEntry>& entries, bool encryptedHeaders)
{
    QByteArray out;
    if (format == RarFormat::Rar4) {
        out = QByteArray("Rar!\x1A\x07\x00", 7) + rar4Block(0x73, encryptedHeaders ? 0x0080 : 0, QByteArray(6, '\0'));
        for (const RarTestEntry& e : entries)
            out += rar4File(e);
        return out + rar4Block(0x7B, 0x4000, {});
    }
    out = kRar5Signature;
    if (encryptedHeaders) // the archive encryption header: AES-256, 2^15 rounds, a salt
        out += rar5Block(vints({4, 0, 0, 0}) + char(15) + QByteArray(16, '\x33'));
    out += rar5Main();
    for (const RarTestEntry& e : entries)
        out += rar5File(e, e.data, 0);
    return out + rar5End(false);
}

std::vector<QByteArray> WriteRar5Volumes(const std::vector<RarTestEntry>& entries, std::size_t splitEntry, bool solid)
{
    QByteArray first = kRar5Signature + rar5Main(0, solid);
    QByteArray second = kRar5Signature + rar5Main(1, solid);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const RarTestEntry& e = entries[i];
        const qsizetype half = e.data.size() / 2;
        if (i == splitEntry) {
            first += rar5File(e, e.data.left(half), 0x0010);
            second += rar5File(e, e.data.mid(half), 0x0008);
        } else {
            (i < splitEntry ? first : second) += rar5File(e, e.data, 0);
        }
    }
    return {first + rar5End(true), second + rar5End(false)};
}
