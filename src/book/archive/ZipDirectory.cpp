// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/ZipDirectory.h"

#include "book/archive/ArchiveFileReader.h"

#include <QFileInfo>
#include <limits>

namespace {
constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kZip64EndSignature = 0x06064b50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr std::uint64_t kSearchWindow = 0xFFFF; // an end record sits within the file's last 64 KiB
constexpr std::uint32_t kInZip64 = 0xFFFFFFFF;  // a 32-bit field whose value is in the zip64 extra field
constexpr std::uint16_t kZip64ExtraId = 0x0001;
constexpr int kCentralRecordSize = 46;
constexpr int kLocalHeaderSize = 30;
constexpr int kEndRecordSize = 22;
constexpr int kZip64EndRecordSize = 56;
constexpr int kZip64LocatorSize = 20;

std::uint64_t addClamped(std::uint64_t a, std::uint64_t b)
{
    return a > std::numeric_limits<std::uint64_t>::max() - b ? std::numeric_limits<std::uint64_t>::max() : a + b;
}

// Little-endian fields read one after another; reading past the end marks the whole read as failed.
class Fields {
public:
    explicit Fields(const QByteArray& bytes, qsizetype at = 0) : m_bytes(bytes), m_at(at) {}

    std::uint64_t take(int size)
    {
        if (m_at < 0 || size > m_bytes.size() - m_at) {
            m_ok = false;
            return 0;
        }
        std::uint64_t value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8) | static_cast<unsigned char>(m_bytes[m_at + i]);
        m_at += size;
        return value;
    }
    std::uint16_t u16() { return std::uint16_t(take(2)); }
    std::uint32_t u32() { return std::uint32_t(take(4)); }
    std::uint64_t u64() { return take(8); }
    void skip(qsizetype size) { m_at += size; }
    bool ok() const { return m_ok; }

private:
    const QByteArray& m_bytes;
    qsizetype m_at;
    bool m_ok = true;
};

bool readExact(ArchiveFileReader& file, std::uint64_t position, qsizetype size, QByteArray& out)
{
    out.resize(size);
    qsizetype done = 0;
    while (done < size) {
        const long n = file.readAt(position + std::uint64_t(done), out.data() + done, std::size_t(size - done));
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The last place of `signature` in the file's last 64 KiB; a signature at the very start of the file
// doesn't count, as minizip doesn't count it either.
std::uint64_t lastSignature(const QByteArray& tail, std::uint64_t tailStart, std::uint32_t signature)
{
    const char bytes[4] = {char(signature & 0xFF), char((signature >> 8) & 0xFF), char((signature >> 16) & 0xFF),
                           char(signature >> 24)};
    const qsizetype at = tail.lastIndexOf(QByteArrayView(bytes, 4));
    return at < 0 ? 0 : tailStart + std::uint64_t(at);
}

struct EndRecord {
    std::uint64_t position = 0; // of the end record that minizip measures from
    std::uint64_t entries = 0;
    std::uint64_t centralSize = 0;
    std::uint64_t centralOffset = 0;
};

std::optional<EndRecord> zip64End(ArchiveFileReader& file, std::uint64_t locator)
{
    QByteArray bytes;
    if (!locator || !readExact(file, locator, kZip64LocatorSize, bytes))
        return std::nullopt;
    Fields f(bytes, 4);
    const std::uint32_t disk = f.u32();
    const std::uint64_t endPosition = f.u64();
    const std::uint32_t disks = f.u32();
    if (disk != 0 || disks != 1 || endPosition == 0 || !readExact(file, endPosition, 4, bytes)
        || Fields(bytes).u32() != kZip64EndSignature)
        return std::nullopt;
    return EndRecord{endPosition, 0, 0, 0};
}

std::optional<EndRecord> readEndRecord(ArchiveFileReader& file, std::uint64_t fileSize)
{
    const std::uint64_t window = std::min(fileSize, kSearchWindow);
    QByteArray tail;
    if (!readExact(file, fileSize - window, qsizetype(window), tail))
        return std::nullopt;
    QByteArray bytes;
    if (std::optional<EndRecord> end = zip64End(file, lastSignature(tail, fileSize - window, kZip64LocatorSignature))) {
        // A zip64 end record that doesn't add up makes minizip refuse the archive; it doesn't look
        // further for the plain one.
        if (!readExact(file, end->position, kZip64EndRecordSize, bytes))
            return std::nullopt;
        Fields f(bytes, 16);
        const std::uint32_t disk = f.u32();
        const std::uint32_t centralDisk = f.u32();
        end->entries = f.u64();
        const std::uint64_t entriesHere = f.u64();
        end->centralSize = f.u64();
        end->centralOffset = f.u64();
        if (!f.ok() || disk != 0 || centralDisk != 0 || entriesHere != end->entries)
            return std::nullopt;
        return end;
    }
    const std::uint64_t position = lastSignature(tail, fileSize - window, kEndSignature);
    if (!position || !readExact(file, position, kEndRecordSize, bytes))
        return std::nullopt;
    Fields f(bytes, 4);
    const std::uint16_t disk = f.u16();
    const std::uint16_t centralDisk = f.u16();
    const std::uint16_t entriesHere = f.u16();
    EndRecord end{position, f.u16(), f.u32(), f.u32()};
    if (!f.ok() || disk != 0 || centralDisk != 0 || entriesHere != end.entries)
        return std::nullopt;
    return end;
}

// Reads the sizes and the offset that the record leaves to its zip64 extra field.
void applyZip64Extra(const QByteArray& extra, ZipDirectoryEntry& entry)
{
    qsizetype at = 0;
    while (at + 4 <= extra.size()) {
        Fields head(extra, at);
        const std::uint16_t id = head.u16();
        const std::uint16_t size = head.u16();
        if (id == kZip64ExtraId) {
            const QByteArray data = extra.mid(at + 4, size);
            Fields field(data);
            for (std::uint64_t* value : {&entry.uncompressedSize, &entry.compressedSize, &entry.localOffset}) {
                if (*value != kInZip64)
                    continue;
                if (const std::uint64_t v = field.u64(); field.ok()) {
                    *value = v;
                    entry.zip64 = true;
                }
            }
        }
        at += 4 + size;
    }
}

// The data of an entry starts after its local header, name and extra field.
std::uint64_t dataStartOf(ArchiveFileReader& file, std::uint64_t localOffset, std::uint64_t fileSize)
{
    QByteArray bytes(kLocalHeaderSize, '\0');
    if (localOffset >= fileSize || file.readDirect(localOffset, bytes.data(), kLocalHeaderSize) != kLocalHeaderSize)
        return 0;
    Fields f(bytes);
    if (f.u32() != kLocalSignature)
        return 0;
    f.skip(22);
    const std::uint16_t nameSize = f.u16();
    const std::uint16_t extraSize = f.u16();
    return localOffset + kLocalHeaderSize + nameSize + extraSize;
}
} // namespace

std::optional<ZipDirectory> ReadZipDirectory(const QString& path)
{
    ArchiveFileReader file;
    if (!file.open(path))
        return std::nullopt;
    ZipDirectory directory;
    directory.fileSize = std::uint64_t(std::max<qint64>(0, QFileInfo(path).size()));
    const std::optional<EndRecord> end = readEndRecord(file, directory.fileSize);
    if (!end || end->position < addClamped(end->centralOffset, end->centralSize))
        return std::nullopt;
    // Bytes before the archive proper (a self-extracting stub) shift every offset the archive states.
    const std::uint64_t shift = end->position - (end->centralOffset + end->centralSize);
    directory.centralStart = end->centralOffset + shift;

    // An archive of 65535 entries or more without zip64 records says 0xFFFF; minizip then reads on
    // while records follow.
    const bool countOpen = end->entries == 0xFFFF;
    std::uint64_t record = end->centralOffset;
    QByteArray bytes, name, extra;
    for (std::uint64_t i = 0; countOpen || i < end->entries; ++i) {
        if (!readExact(file, record + shift, kCentralRecordSize, bytes) || Fields(bytes).u32() != kCentralSignature) {
            directory.complete = countOpen && i >= end->entries;
            return directory;
        }
        Fields f(bytes, 4);
        ZipDirectoryEntry entry;
        entry.recordPosition = record;
        entry.madeBy = f.u16();
        f.skip(2); // version needed
        entry.flags = f.u16();
        entry.method = f.u16();
        f.skip(4); // time and date
        entry.crc = f.u32();
        entry.compressedSize = f.u32();
        entry.uncompressedSize = f.u32();
        const std::uint16_t nameSize = f.u16();
        const std::uint16_t extraSize = f.u16();
        const std::uint16_t commentSize = f.u16();
        f.skip(4); // disk, internal attributes
        entry.externalAttributes = f.u32();
        entry.localOffset = f.u32();
        const std::uint64_t variable = record + shift + kCentralRecordSize;
        if (!readExact(file, variable, nameSize, name) || !readExact(file, variable + nameSize, extraSize, extra))
            return directory;
        entry.rawName = name;
        applyZip64Extra(extra, entry);
        entry.localOffset = addClamped(entry.localOffset, shift);
        entry.dataStart = dataStartOf(file, entry.localOffset, directory.fileSize);
        directory.entries.push_back(std::move(entry));
        record += kCentralRecordSize + nameSize + extraSize + commentSize;
    }
    directory.complete = true;
    return directory;
}
