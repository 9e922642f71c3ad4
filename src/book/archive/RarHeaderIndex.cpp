// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/RarHeaderIndex.h"

#include <QFile>

namespace {
const QByteArray kRar4Signature("Rar!\x1A\x07\x00", 7);
const QByteArray kRar5Signature("Rar!\x1A\x07\x01\x00", 8);
constexpr std::uint64_t kMaxHeader = 2 * 1024 * 1024;

std::uint32_t little(const QByteArray& bytes, qsizetype at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The checksum is kept only for an entry in one piece: what the parts of a split entry carry is left to
// libarchive, rather than risk calling a sound entry damaged.
void addPart(std::vector<RarEntryFacts>& index, bool continued, bool splitAfter, bool encrypted,
             std::optional<std::uint32_t> crc, bool solid)
{
    if (!continued)
        index.push_back({encrypted, splitAfter ? std::nullopt : crc, solid});
    else if (!index.empty())
        index.back().crc.reset();
}

// --- RAR 4: fixed-size fields after a 7-byte block head ----------------------------------------------

bool walkRar4(QFile& file, std::vector<RarEntryFacts>& index)
{
    qint64 position = kRar4Signature.size();
    for (;;) {
        if (!file.seek(position))
            return false;
        const QByteArray head = file.read(7 + 4);
        if (head.size() < 7)
            return false;
        const auto type = static_cast<unsigned char>(head[2]);
        const std::uint32_t flags = little(head, 3, 2);
        const std::uint32_t size = little(head, 5, 2);
        if (size < 7)
            return false;
        std::uint64_t dataSize = (flags & 0x8000) && head.size() >= 11 ? little(head, 7, 4) : 0;
        if (type == 0x73 && (flags & 0x0080))
            return false; // every header is encrypted: libarchive refuses the archive by itself
        if (type == 0x7B)
            return true;
        if (type == 0x74) {
            if (!file.seek(position))
                return false;
            const QByteArray whole = file.read(size);
            if (whole.size() < 32)
                return false;
            if ((flags & 0x0100) && whole.size() >= 36)
                dataSize |= std::uint64_t(little(whole, 32, 4)) << 32;
            addPart(index, flags & 0x0001, flags & 0x0002, flags & 0x0004, little(whole, 16, 4), flags & 0x0010);
        }
        const std::optional<qint64> next = NextRarBlock(position, size, dataSize, file.size());
        if (!next)
            return false;
        position = *next;
    }
}

// --- RAR 5: variable-length numbers --------------------------------------------------------------------

std::optional<std::uint64_t> vint(const QByteArray& bytes, qsizetype& at)
{
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64 && at < bytes.size(); shift += 7) {
        const auto b = static_cast<unsigned char>(bytes[at++]);
        value |= std::uint64_t(b & 0x7F) << shift;
        if (!(b & 0x80))
            return value;
    }
    return std::nullopt;
}

bool hasEncryptionRecord(const QByteArray& extra)
{
    qsizetype at = 0;
    while (at < extra.size()) {
        const auto size = vint(extra, at);
        if (!size || *size == 0 || *size > std::uint64_t(extra.size() - at))
            return false;
        const qsizetype next = at + qsizetype(*size);
        if (const auto type = vint(extra, at); type && *type == 1)
            return true;
        at = next;
    }
    return false;
}

// The checksum field of a file header, read past the fields before it.
std::optional<std::uint32_t> rar5Crc(const QByteArray& header, qsizetype at)
{
    const auto fileFlags = vint(header, at);
    if (!fileFlags || !vint(header, at) || !vint(header, at)) // unpacked size, attributes
        return std::nullopt;
    if (*fileFlags & 0x0002)
        at += 4; // modification time
    if (!(*fileFlags & 0x0004) || at + 4 > header.size())
        return std::nullopt;
    return little(header, at, 4);
}

// Whether the entry's data continues the previous entry's (the compression information's solid bit).
bool rar5Solid(const QByteArray& header, qsizetype at)
{
    const auto fileFlags = vint(header, at);
    if (!fileFlags || !vint(header, at) || !vint(header, at))
        return true; // unreadable: read in order, which is always sound
    at += (*fileFlags & 0x0002 ? 4 : 0) + (*fileFlags & 0x0004 ? 4 : 0);
    const auto compression = vint(header, at);
    return !compression || (*compression & 0x0040);
}

bool walkRar5(QFile& file, std::vector<RarEntryFacts>& index)
{
    qint64 position = kRar5Signature.size();
    for (;;) {
        if (!file.seek(position))
            return false;
        const QByteArray prefix = file.read(4 + 3);
        qsizetype at = 4;
        const auto headerSize = vint(prefix, at);
        if (!headerSize || *headerSize == 0 || *headerSize > kMaxHeader
            || !NextRarBlock(position, std::uint64_t(at) + *headerSize, 0, file.size()) || !file.seek(position + at))
            return false;
        const QByteArray header = file.read(qint64(*headerSize));
        if (header.size() != qsizetype(*headerSize))
            return false;
        qsizetype h = 0;
        const auto type = vint(header, h);
        const auto flags = vint(header, h);
        if (!type || !flags)
            return false;
        std::uint64_t extraSize = 0, dataSize = 0;
        if (*flags & 0x0001) {
            const auto v = vint(header, h);
            if (!v || *v > std::uint64_t(header.size()))
                return false;
            extraSize = *v;
        }
        if (*flags & 0x0002) {
            const auto v = vint(header, h);
            if (!v)
                return false;
            dataSize = *v;
        }
        if (*type == 4)
            return false; // every header is encrypted: libarchive refuses the archive by itself
        if (*type == 5)
            return true;
        if (*type == 2) {
            const bool encrypted = extraSize > 0 && hasEncryptionRecord(header.right(qsizetype(extraSize)));
            addPart(index, *flags & 0x0008, *flags & 0x0010, encrypted, rar5Crc(header, h), rar5Solid(header, h));
        }
        const std::optional<qint64> next = NextRarBlock(position, std::uint64_t(at) + *headerSize, dataSize, file.size());
        if (!next)
            return false;
        position = *next;
    }
}
} // namespace

std::optional<qint64> NextRarBlock(qint64 position, std::uint64_t headerBytes, std::uint64_t dataBytes,
                                   qint64 fileSize)
{
    if (position < 0 || position > fileSize)
        return std::nullopt;
    const auto left = std::uint64_t(fileSize - position);
    if (headerBytes > left || dataBytes > left - headerBytes)
        return std::nullopt;
    return position + qint64(headerBytes + dataBytes);
}

bool IsLaterSolidRarVolume(const QString& volume)
{
    QFile file(volume);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(kRar5Signature.size() + 4 + 64);
    if (!start.startsWith(kRar5Signature))
        return false;
    // The main header: its size, type 1, its flags, the extra and data areas' sizes when flagged, then the
    // archive's flags (1 volume, 2 a volume number follows, 4 solid) and the volume's number.
    qsizetype at = kRar5Signature.size() + 4;
    if (!vint(start, at))
        return false;
    const auto type = vint(start, at);
    const auto flags = vint(start, at);
    if (!type || *type != 1 || !flags || ((*flags & 0x0001) && !vint(start, at))
        || ((*flags & 0x0002) && !vint(start, at)))
        return false;
    const auto archiveFlags = vint(start, at);
    if (!archiveFlags || (*archiveFlags & 0x0007) != 0x0007)
        return false;
    const auto number = vint(start, at);
    return number && *number > 0;
}

std::vector<RarEntryFacts> ReadRarHeaderIndex(const QStringList& volumes)
{
    std::vector<RarEntryFacts> index;
    for (const QString& volume : volumes) {
        QFile file(volume);
        if (!file.open(QIODevice::ReadOnly))
            break;
        const QByteArray start = file.read(kRar5Signature.size());
        const bool walked = start == kRar5Signature ? walkRar5(file, index)
            : start.startsWith(kRar4Signature)      ? walkRar4(file, index)
                                                    : false;
        if (!walked)
            break;
    }
    return index;
}
