#include "RarTestWriter.h"

#include "ArchiveBytes.h"

namespace {
void putVint(QByteArray& out, quint64 v)
{
    do {
        char byte = char(v & 0x7F);
        v >>= 7;
        if (v)
            byte = char(byte | 0x80);
        out.append(byte);
    } while (v);
}

constexpr quint32 kDosTime = (44u << 25) | (6u << 21) | (15u << 16) | (12u << 11); // 2024-06-15 12:00

// --- RAR 4 -------------------------------------------------------------------------------------------

QByteArray rar4Block(quint8 type, quint16 flags, const QByteArray& body)
{
    QByteArray block;
    block.append(char(type));
    put16(block, flags);
    put16(block, quint16(7 + body.size()));
    block += body;
    QByteArray out;
    put16(out, crcOf(block) & 0xFFFF);
    return out + block;
}

// The Unicode name form: the plain name, a zero, then every UTF-16 unit spelled out in full.
QByteArray rar4UnicodeName(const QByteArray& utf8)
{
    const QString text = QString::fromUtf8(utf8);
    QByteArray plain;
    for (QChar c : text)
        plain.append(c.unicode() < 0x80 ? char(c.unicode()) : '_');
    QByteArray encoded(1, '\0'); // high byte, unused by this spelling
    for (qsizetype i = 0; i < text.size(); i += 4) {
        encoded.append(char(0xAA)); // four units, each "two bytes follow"
        for (qsizetype j = i; j < text.size() && j < i + 4; ++j) {
            encoded.append(char(text[j].unicode() & 0xFF));
            encoded.append(char(text[j].unicode() >> 8));
        }
    }
    return plain + '\0' + encoded;
}

QByteArray rar4File(const RarTestEntry& entry)
{
    QByteArray name = entry.name;
    name.replace('/', '\\');
    quint16 flags = 0x8000;
    if (entry.folder)
        flags |= 0x00E0;
    if (entry.encrypted)
        flags |= 0x0004;
    bool needsUnicode = false;
    for (char c : name)
        needsUnicode |= (static_cast<unsigned char>(c) >= 0x80);
    if (entry.unicode && needsUnicode) {
        flags |= 0x0200;
        name = rar4UnicodeName(name);
    }
    QByteArray body;
    put32(body, quint32(entry.data.size())); // packed size
    put32(body, entry.declaredSize ? entry.declaredSize : quint32(entry.data.size())); // unpacked size
    body.append(char(2));                    // made on Windows
    put32(body, crcOf(entry.data));
    put32(body, kDosTime);
    body.append(char(29));   // version needed
    body.append(char(0x30)); // stored
    put16(body, quint16(name.size()));
    put32(body, entry.folder ? 0x10 : 0x20);
    body += name;
    return rar4Block(0x74, flags, body) + entry.data;
}

QByteArray writeRar4(const std::vector<RarTestEntry>& entries, bool encryptedHeaders)
{
    QByteArray out("Rar!\x1A\x07\x00", 7);
    out += rar4Block(0x73, encryptedHeaders ? 0x0080 : 0, QByteArray(6, '\0'));
    for (const RarTestEntry& entry : entries)
        out += rar4File(entry);
    out += rar4Block(0x7B, 0x4000, {});
    return out;
}

// --- RAR 5 -------------------------------------------------------------------------------------------

QByteArray rar5Block(const QByteArray& header)
{
    QByteArray sized;
    putVint(sized, quint64(header.size()));
    sized += header;
    QByteArray out;
    put32(out, crcOf(sized));
    return out + sized;
}

QByteArray rar5Main(bool volume, quint64 number)
{
    QByteArray h;
    putVint(h, 1); // main archive header
    putVint(h, 0);
    quint64 flags = volume ? 0x0001 : 0;
    if (volume && number > 0)
        flags |= 0x0002;
    putVint(h, flags);
    if (flags & 0x0002)
        putVint(h, number);
    return rar5Block(h);
}

QByteArray rar5End(bool moreVolumes)
{
    QByteArray h;
    putVint(h, 5);
    putVint(h, 0);
    putVint(h, moreVolumes ? 1 : 0);
    return rar5Block(h);
}

// One file header with `part` as its data; `splitFlags` marks a part continued from or into a volume.
QByteArray rar5File(const RarTestEntry& entry, const QByteArray& part, quint64 splitFlags)
{
    // An encrypted entry names its cipher in an extra record: AES-256, 2^15 rounds, salt and IV.
    QByteArray extra;
    if (entry.encrypted) {
        QByteArray record;
        putVint(record, 1); // encryption
        putVint(record, 0); // AES-256
        putVint(record, 0);
        record.append(char(15));
        record += QByteArray(32, '\x5A');
        putVint(extra, quint64(record.size()));
        extra += record;
    }
    QByteArray h;
    putVint(h, 2); // file header
    putVint(h, 0x0002 | splitFlags | (extra.isEmpty() ? 0 : 0x0001)); // a data area, empty for a folder
    if (!extra.isEmpty())
        putVint(h, quint64(extra.size()));
    putVint(h, quint64(part.size()));
    putVint(h, entry.folder ? 0x0001 : 0x0004); // folder, or "a CRC32 follows"
    putVint(h, entry.declaredSize ? entry.declaredSize : quint64(entry.data.size())); // unpacked size
    putVint(h, entry.symlink ? 0120777 : (entry.folder ? 0x10 : 0x20)); // Unix mode for a link
    if (!entry.folder)
        put32(h, crcOf(entry.data));
    putVint(h, 0);                     // stored
    putVint(h, entry.symlink ? 1 : 0); // a link is made on Unix, the rest on Windows
    putVint(h, quint64(entry.name.size()));
    h += entry.name;
    h += extra;
    return rar5Block(h) + part;
}

QByteArray writeRar5(const std::vector<RarTestEntry>& entries, bool encryptedHeaders)
{
    QByteArray out("Rar!\x1A\x07\x01\x00", 8);
    if (encryptedHeaders) {
        QByteArray h;
        putVint(h, 4); // archive encryption header: AES-256, 2^15 rounds, a salt
        putVint(h, 0);
        putVint(h, 0);
        putVint(h, 0);
        h.append(char(15));
        h += QByteArray(16, '\x33');
        out += rar5Block(h);
    }
    out += rar5Main(false, 0);
    for (const RarTestEntry& entry : entries)
        out += rar5File(entry, entry.data, 0);
    out += rar5End(false);
    return out;
}
} // namespace

QByteArray WriteRarArchive(RarFormat format, const std::vector<RarTestEntry>& entries, bool encryptedHeaders)
{
    return format == RarFormat::Rar4 ? writeRar4(entries, encryptedHeaders) : writeRar5(entries, encryptedHeaders);
}

std::vector<QByteArray> WriteRar5Volumes(const std::vector<RarTestEntry>& entries, std::size_t splitEntry)
{
    const QByteArray signature("Rar!\x1A\x07\x01\x00", 8);
    QByteArray first = signature + rar5Main(true, 0);
    QByteArray second = signature + rar5Main(true, 1);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const RarTestEntry& entry = entries[i];
        if (i < splitEntry) {
            first += rar5File(entry, entry.data, 0);
        } else if (i == splitEntry) {
            const qsizetype half = entry.data.size() / 2;
            first += rar5File(entry, entry.data.left(half), 0x0010);
            second += rar5File(entry, entry.data.mid(half), 0x0008);
        } else {
            second += rar5File(entry, entry.data, 0);
        }
    }
    first += rar5End(true);
    second += rar5End(false);
    return {first, second};
}
