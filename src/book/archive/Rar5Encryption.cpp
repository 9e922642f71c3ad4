#include "book/archive/Rar5Encryption.h"

#include <QFile>
#include <cstdint>
#include <optional>

namespace {
constexpr char kSignature[] = "Rar!\x1A\x07\x01\x00";
constexpr qint64 kSignatureSize = 8;
constexpr std::uint64_t kMaxHeader = 2 * 1024 * 1024;

enum : std::uint64_t { kFileHeader = 2, kEncryptionHeader = 4, kEndHeader = 5 };
enum : std::uint64_t { kHasExtra = 0x0001, kHasData = 0x0002, kSplitBefore = 0x0008 };
constexpr std::uint64_t kEncryptionRecord = 1;

// Reads a variable-length number at `at`, moving `at` past it.
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

bool extraHasEncryption(const QByteArray& extra)
{
    qsizetype at = 0;
    while (at < extra.size()) {
        const auto size = vint(extra, at);
        if (!size || *size == 0 || *size > std::uint64_t(extra.size() - at))
            return false;
        const qsizetype next = at + qsizetype(*size);
        const auto type = vint(extra, at);
        if (type && *type == kEncryptionRecord)
            return true;
        at = next;
    }
    return false;
}

// Walks one volume's blocks; false when the walk can't go on (the flags found so far stay).
bool walkVolume(QFile& file, std::vector<bool>& flags)
{
    if (file.read(kSignatureSize) != QByteArray(kSignature, kSignatureSize))
        return false;
    qint64 position = kSignatureSize;
    for (;;) {
        if (!file.seek(position))
            return false;
        const QByteArray prefix = file.read(4 + 3);
        if (prefix.size() < 5)
            return false;
        qsizetype at = 4;
        const auto headerSize = vint(prefix, at);
        if (!headerSize || *headerSize == 0 || *headerSize > kMaxHeader)
            return false;
        if (!file.seek(position + at))
            return false;
        const QByteArray header = file.read(qint64(*headerSize));
        if (header.size() != qsizetype(*headerSize))
            return false;
        qsizetype h = 0;
        const auto type = vint(header, h);
        const auto headerFlags = vint(header, h);
        if (!type || !headerFlags)
            return false;
        std::uint64_t extraSize = 0, dataSize = 0;
        if (*headerFlags & kHasExtra) {
            const auto v = vint(header, h);
            if (!v || *v > std::uint64_t(header.size()))
                return false;
            extraSize = *v;
        }
        if (*headerFlags & kHasData) {
            const auto v = vint(header, h);
            if (!v)
                return false;
            dataSize = *v;
        }
        if (*type == kEncryptionHeader)
            return false; // every header is encrypted: libarchive refuses the archive by itself
        if (*type == kEndHeader)
            return true;
        if (*type == kFileHeader && !(*headerFlags & kSplitBefore))
            flags.push_back(extraSize > 0 && extraHasEncryption(header.right(qsizetype(extraSize))));
        position += at + qint64(*headerSize) + qint64(dataSize);
    }
}
} // namespace

std::vector<bool> Rar5EncryptedEntries(const QStringList& volumes)
{
    std::vector<bool> flags;
    for (const QString& volume : volumes) {
        QFile file(volume);
        if (!file.open(QIODevice::ReadOnly) || !walkVolume(file, flags))
            break;
    }
    return flags;
}
