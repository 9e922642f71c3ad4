// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/SevenZipFolders.h"

#include <QByteArrayView>
#include <QFile>
#include <QtEndian>

#include <lzma.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {
constexpr std::uint64_t kSignatureSize = 32;
constexpr std::uint64_t kLongestHeader = 64 << 20; // unpacked; real ones are a few hundred bytes a file
constexpr std::uint64_t kMostEntries = 1 << 24;    // files, and data streams of all folders together
constexpr std::uint64_t kMostFolders = 1 << 18;    // and pack streams: far more than any book has
constexpr std::uint64_t kMostCoderStreams = 64;    // coders of a folder, and their streams
const QByteArray kMagic("7z\xBC\xAF\x27\x1C", 6);

// The header's property ids.
enum : std::uint64_t {
    kEnd = 0x00,
    kHeader = 0x01,
    kArchiveProperties = 0x02,
    kAdditionalStreamsInfo = 0x03,
    kMainStreamsInfo = 0x04,
    kFilesInfo = 0x05,
    kPackInfo = 0x06,
    kUnpackInfo = 0x07,
    kSubStreamsInfo = 0x08,
    kSize = 0x09,
    kCrc = 0x0A,
    kFolder = 0x0B,
    kCodersUnpackSize = 0x0C,
    kNumUnpackStream = 0x0D,
    kEmptyStream = 0x0E,
    kEncodedHeader = 0x17,
};

std::uint32_t crcOf(QByteArrayView bytes)
{
    return std::uint32_t(crc32_z(0, reinterpret_cast<const Bytef*>(bytes.data()), std::size_t(bytes.size())));
}

// Reads header bytes front to back. A read past the end fails the cursor for good and gives zeros, so
// a parse runs on to a check of ok(); no count read here is trusted before it is held against left().
class Cursor {
public:
    explicit Cursor(QByteArrayView bytes) : m_bytes(bytes) {}
    bool ok() const { return m_ok; }
    std::uint64_t left() const { return m_ok ? std::uint64_t(m_bytes.size() - m_at) : 0; }
    bool fail() { return m_ok = false; }

    std::uint8_t byte()
    {
        if (left() < 1) {
            fail();
            return 0;
        }
        return std::uint8_t(m_bytes[m_at++]);
    }
    // The header's variable-length number: the leading one bits of the first byte count the bytes after it.
    std::uint64_t number()
    {
        const std::uint8_t first = byte();
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i) {
            const std::uint8_t mask = std::uint8_t(0x80 >> i);
            if (!(first & mask))
                return value | std::uint64_t(first & (mask - 1)) << (8 * i);
            value |= std::uint64_t(byte()) << (8 * i);
        }
        return value;
    }
    QByteArrayView take(std::uint64_t n)
    {
        if (n > left()) {
            fail();
            return {};
        }
        const QByteArrayView part = m_bytes.sliced(m_at, qsizetype(n));
        m_at += qsizetype(n);
        return part;
    }
    // `count` bits, the first in the top bit of the first byte.
    std::optional<std::vector<bool>> bits(std::uint64_t count)
    {
        if (count > left() * 8) { // more bits than the bytes left hold; also keeps the sums below from wrapping
            fail();
            return std::nullopt;
        }
        const QByteArrayView bytes = take((count + 7) / 8);
        if (!ok())
            return std::nullopt;
        std::vector<bool> flags(count);
        for (std::uint64_t i = 0; i < count; ++i)
            flags[i] = (std::uint8_t(bytes[qsizetype(i / 8)]) >> (7 - i % 8)) & 1;
        return flags;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    bool m_ok = true;
};

struct Coder {
    QByteArray id;
    QByteArray properties;
};

struct Folder {
    std::uint64_t coders = 0;
    Coder first; // the one coder that matters for a packed header
    std::uint64_t outStreams = 0;
    std::uint64_t unpackSize = 0; // of a folder with one coder
    std::optional<std::uint32_t> crc;
    std::uint64_t dataStreams = 1; // the entries' data it holds, one after the other
};

struct StreamsInfo {
    std::uint64_t packPosition = 0; // after the signature header
    std::uint64_t packStreams = 0;
    std::uint64_t firstPackSize = 0;
    std::vector<Folder> folders;
};

// The checksums of `count` streams, those not given left out.
std::optional<std::vector<std::optional<std::uint32_t>>> digests(Cursor& c, std::uint64_t count)
{
    if (count > c.left())
        return std::nullopt;
    std::vector<bool> defined(count, true);
    if (!c.byte()) {
        std::optional<std::vector<bool>> given = c.bits(count);
        if (!given)
            return std::nullopt;
        defined = std::move(*given);
    }
    std::vector<std::optional<std::uint32_t>> crcs(count);
    for (std::uint64_t i = 0; i < count && c.ok(); ++i) {
        if (!defined[i])
            continue;
        const QByteArrayView crc = c.take(4);
        if (c.ok())
            crcs[i] = qFromLittleEndian<quint32>(crc.data());
    }
    return c.ok() ? std::optional(std::move(crcs)) : std::nullopt;
}

// Passes over the checksums of `count` streams without keeping them (there may be one per entry).
bool skipDigests(Cursor& c, std::uint64_t count)
{
    std::uint64_t defined = count;
    if (!c.byte()) {
        const std::optional<std::vector<bool>> given = c.bits(count);
        if (!given)
            return false;
        defined = std::uint64_t(std::count(given->begin(), given->end(), true));
    }
    if (defined > c.left() / 4)
        return c.fail();
    c.take(defined * 4);
    return c.ok();
}

bool packInfo(Cursor& c, StreamsInfo& info)
{
    info.packPosition = c.number();
    const std::uint64_t count = c.number();
    if (count > kMostFolders || count > c.left())
        return c.fail();
    bool sized = false;
    for (std::uint64_t id = c.number(); c.ok() && id != kEnd; id = c.number()) {
        if (id == kSize) {
            for (std::uint64_t k = 0; k < count; ++k) {
                const std::uint64_t size = c.number();
                if (k == 0)
                    info.firstPackSize = size;
            }
            sized = true;
        } else if (id != kCrc || !skipDigests(c, count)) {
            return c.fail();
        }
    }
    info.packStreams = count;
    return c.ok() && sized;
}

std::optional<Folder> folder(Cursor& c)
{
    Folder f;
    f.coders = c.number();
    if (f.coders == 0 || f.coders > kMostCoderStreams)
        return std::nullopt;
    std::uint64_t inStreams = 0;
    for (std::uint64_t k = 0; k < f.coders; ++k) {
        const std::uint8_t flags = c.byte();
        if (flags & 0xC0) // alternative methods, a reserved bit
            return std::nullopt;
        const QByteArrayView id = c.take(flags & 0x0F);
        std::uint64_t in = 1, out = 1;
        if (flags & 0x10) {
            in = c.number();
            out = c.number();
        }
        const QByteArrayView properties = flags & 0x20 ? c.take(c.number()) : QByteArrayView();
        if (!c.ok() || in > kMostCoderStreams || out > kMostCoderStreams)
            return std::nullopt;
        inStreams += in;
        f.outStreams += out;
        if (k == 0)
            f.first = {id.toByteArray(), properties.toByteArray()};
    }
    if (f.outStreams == 0 || inStreams < f.outStreams - 1)
        return std::nullopt;
    const std::uint64_t bindPairs = f.outStreams - 1;
    for (std::uint64_t k = 0; k < 2 * bindPairs; ++k)
        c.number();
    const std::uint64_t packed = inStreams - bindPairs;
    if (packed == 0)
        return std::nullopt;
    if (packed > 1)
        for (std::uint64_t k = 0; k < packed; ++k)
            c.number();
    return c.ok() ? std::optional(std::move(f)) : std::nullopt;
}

bool unpackInfo(Cursor& c, StreamsInfo& info)
{
    if (c.number() != kFolder)
        return c.fail();
    const std::uint64_t count = c.number();
    if (count > kMostFolders || count > c.left() || c.byte() != 0) // folders kept in another stream: never in a book
        return c.fail();
    for (std::uint64_t k = 0; k < count; ++k) {
        std::optional<Folder> f = folder(c);
        if (!f)
            return c.fail();
        info.folders.push_back(std::move(*f));
    }
    if (c.number() != kCodersUnpackSize)
        return c.fail();
    for (Folder& f : info.folders)
        for (std::uint64_t k = 0; k < f.outStreams; ++k)
            f.unpackSize = c.number();
    for (std::uint64_t id = c.number(); c.ok() && id != kEnd; id = c.number()) {
        if (id != kCrc)
            return c.fail();
        const auto crcs = digests(c, count);
        if (!crcs)
            return c.fail();
        for (std::uint64_t k = 0; k < count; ++k)
            info.folders[k].crc = (*crcs)[k];
    }
    return c.ok();
}

bool subStreamsInfo(Cursor& c, StreamsInfo& info)
{
    std::uint64_t id = c.number();
    if (id == kNumUnpackStream) {
        std::uint64_t total = 0;
        for (Folder& f : info.folders) {
            f.dataStreams = c.number();
            if (f.dataStreams > kMostEntries || (total += f.dataStreams) > kMostEntries)
                return c.fail();
        }
        id = c.number();
    }
    if (id == kSize) {
        for (const Folder& f : info.folders)
            for (std::uint64_t k = 1; k < f.dataStreams && c.ok(); ++k)
                c.number(); // the last stream's size is what the others leave of the folder's
        id = c.number();
    }
    for (; c.ok() && id != kEnd; id = c.number()) {
        if (id != kCrc)
            return c.fail();
        std::uint64_t unknown = 0; // a folder's one stream has its folder's checksum
        for (const Folder& f : info.folders)
            unknown += f.dataStreams == 1 && f.crc ? 0 : f.dataStreams;
        if (!skipDigests(c, unknown))
            return false;
    }
    return c.ok();
}

std::optional<StreamsInfo> streamsInfo(Cursor& c)
{
    StreamsInfo info;
    std::uint64_t id = c.number();
    if (id == kPackInfo) {
        if (!packInfo(c, info))
            return std::nullopt;
        id = c.number();
    }
    if (id == kUnpackInfo) {
        if (!unpackInfo(c, info))
            return std::nullopt;
        id = c.number();
    }
    if (id == kSubStreamsInfo) {
        if (!subStreamsInfo(c, info))
            return std::nullopt;
        id = c.number();
    }
    return c.ok() && id == kEnd ? std::optional(std::move(info)) : std::nullopt;
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

// `packed` through liblzma's raw decoder, to exactly `unpackSize` bytes.
std::optional<QByteArray> unpackLzma(lzma_vli filter, const QByteArray& properties, QByteArrayView packed,
                                     std::uint64_t unpackSize)
{
    lzma_filter filters[2] = {{filter, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
    if (lzma_properties_decode(&filters[0], nullptr, reinterpret_cast<const std::uint8_t*>(properties.constData()),
                               std::size_t(properties.size()))
        != LZMA_OK)
        return std::nullopt;
    const std::unique_ptr<lzma_options_lzma, FreeDeleter> options(static_cast<lzma_options_lzma*>(filters[0].options));
    // Nothing is looked back at further than what is unpacked: a header can't make the decoder
    // allocate more than that.
    options->dict_size = std::uint32_t(
        std::min<std::uint64_t>(options->dict_size, std::max<std::uint64_t>(unpackSize, LZMA_DICT_SIZE_MIN)));
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_raw_decoder(&stream, filters) != LZMA_OK) {
        lzma_end(&stream);
        return std::nullopt;
    }
    QByteArray out(qsizetype(unpackSize), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<const std::uint8_t*>(packed.data());
    stream.avail_in = std::size_t(packed.size());
    stream.next_out = reinterpret_cast<std::uint8_t*>(out.data());
    stream.avail_out = std::size_t(unpackSize);
    lzma_ret r = LZMA_OK;
    while (r == LZMA_OK && stream.avail_out > 0) {
        const std::size_t in = stream.avail_in, outLeft = stream.avail_out;
        r = lzma_code(&stream, LZMA_RUN);
        if (stream.avail_in == in && stream.avail_out == outLeft)
            break; // the data ends short of its size
    }
    const bool whole = stream.avail_out == 0 && (r == LZMA_OK || r == LZMA_STREAM_END);
    lzma_end(&stream);
    return whole ? std::optional(std::move(out)) : std::nullopt;
}

// The header an encoded header packs: one folder of one coder, LZMA, LZMA2 or stored. Encrypted
// headers and filter chains are left to libarchive.
std::optional<QByteArray> unpackHeader(const StreamsInfo& info, std::uint64_t fileSize, const ArchiveBytesAt& bytesAt)
{
    if (info.folders.size() != 1 || info.packStreams != 1 || info.folders[0].coders != 1
        || info.folders[0].outStreams != 1)
        return std::nullopt;
    const Folder& f = info.folders[0];
    const std::uint64_t packSize = info.firstPackSize;
    if (packSize > kLongestHeader || f.unpackSize == 0 || f.unpackSize > kLongestHeader
        || info.packPosition > fileSize - kSignatureSize || packSize > fileSize - kSignatureSize - info.packPosition)
        return std::nullopt;
    const std::optional<QByteArray> packed = bytesAt(kSignatureSize + info.packPosition, std::size_t(packSize));
    if (!packed || std::uint64_t(packed->size()) != packSize)
        return std::nullopt;
    const Coder& coder = f.first;
    std::optional<QByteArray> header;
    if (coder.id == QByteArray(1, '\0')) {
        if (packSize == f.unpackSize)
            header = packed;
    } else if (coder.id == QByteArray("\x03\x01\x01", 3) && coder.properties.size() == 5) {
        header = unpackLzma(LZMA_FILTER_LZMA1, coder.properties, *packed, f.unpackSize);
    } else if (coder.id == QByteArray("\x21", 1) && coder.properties.size() == 1) {
        header = unpackLzma(LZMA_FILTER_LZMA2, coder.properties, *packed, f.unpackSize);
    }
    if (!header || (f.crc && crcOf(*header) != *f.crc))
        return std::nullopt;
    return header;
}

// Whether each file is empty of data; every file has data when the header doesn't say.
std::optional<std::vector<bool>> emptyStreams(Cursor& c)
{
    const std::uint64_t files = c.number();
    if (!c.ok() || files > kMostEntries)
        return std::nullopt;
    std::vector<bool> empty(files, false);
    for (std::uint64_t type = c.number(); c.ok() && type != kEnd; type = c.number()) {
        Cursor property(c.take(c.number()));
        if (c.ok() && type == kEmptyStream) {
            std::optional<std::vector<bool>> flags = property.bits(files);
            if (!flags)
                return std::nullopt;
            empty = std::move(*flags);
        }
    }
    return c.ok() ? std::optional(std::move(empty)) : std::nullopt;
}

// The entries of a plain header, each marked when it starts its folder or has no data.
std::optional<std::vector<bool>> folderStarts(Cursor& c)
{
    std::uint64_t id = c.number();
    if (id == kArchiveProperties) {
        for (std::uint64_t type = c.number(); c.ok() && type != kEnd; type = c.number())
            c.take(c.number());
        id = c.number();
    }
    if (id == kAdditionalStreamsInfo) // never written by the tools that make books
        return std::nullopt;
    StreamsInfo main;
    if (id == kMainStreamsInfo) {
        std::optional<StreamsInfo> info = streamsInfo(c);
        if (!info)
            return std::nullopt;
        main = std::move(*info);
        id = c.number();
    }
    std::vector<bool> empty;
    if (id == kFilesInfo) {
        std::optional<std::vector<bool>> files = emptyStreams(c);
        if (!files)
            return std::nullopt;
        empty = std::move(*files);
        id = c.number();
    }
    if (!c.ok() || id != kEnd)
        return std::nullopt;
    // The files with data take the folders' streams in order; a folder may hold none.
    std::vector<bool> starts;
    starts.reserve(empty.size());
    std::size_t f = 0;
    std::uint64_t taken = 0; // of folder f's streams
    const auto skipSpentFolders = [&] {
        while (f < main.folders.size() && taken == main.folders[f].dataStreams) {
            ++f;
            taken = 0;
        }
    };
    for (const bool noData : empty) {
        if (noData) {
            starts.push_back(true);
            continue;
        }
        skipSpentFolders();
        if (f == main.folders.size())
            return std::nullopt; // more files than streams
        starts.push_back(taken++ == 0);
    }
    skipSpentFolders();
    if (f != main.folders.size())
        return std::nullopt; // streams no file owns
    return starts;
}
} // namespace

std::optional<std::vector<bool>> SevenZipFolderStarts(std::uint64_t fileSize, const ArchiveBytesAt& bytesAt)
{
    if (fileSize < kSignatureSize)
        return std::nullopt;
    const std::optional<QByteArray> start = bytesAt(0, kSignatureSize);
    if (!start || std::uint64_t(start->size()) != kSignatureSize || !start->startsWith(kMagic) || start->at(6) != 0
        || crcOf(QByteArrayView(*start).sliced(12, 20)) != qFromLittleEndian<quint32>(start->constData() + 8))
        return std::nullopt;
    const std::uint64_t offset = qFromLittleEndian<quint64>(start->constData() + 12);
    const std::uint64_t size = qFromLittleEndian<quint64>(start->constData() + 20);
    const std::uint32_t crc = qFromLittleEndian<quint32>(start->constData() + 28);
    if (size == 0)
        return std::vector<bool>{}; // an archive of nothing
    if (size > kLongestHeader || size > fileSize - kSignatureSize || offset > fileSize - kSignatureSize - size)
        return std::nullopt;
    std::optional<QByteArray> header = bytesAt(kSignatureSize + offset, std::size_t(size));
    if (!header || std::uint64_t(header->size()) != size || crcOf(*header) != crc)
        return std::nullopt;
    Cursor c(*header);
    std::uint64_t id = c.number();
    if (id == kEncodedHeader) {
        const std::optional<StreamsInfo> packed = streamsInfo(c);
        if (!packed)
            return std::nullopt;
        header = unpackHeader(*packed, fileSize, bytesAt);
        if (!header)
            return std::nullopt;
        c = Cursor(*header);
        id = c.number();
    }
    if (id != kHeader)
        return std::nullopt;
    return folderStarts(c);
}

std::optional<std::vector<bool>> SevenZipFolderStarts(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return SevenZipFolderStarts(std::uint64_t(file.size()),
                                [&file](std::uint64_t offset, std::size_t size) -> std::optional<QByteArray> {
                                    if (!file.seek(qint64(offset)))
                                        return std::nullopt;
                                    QByteArray bytes = file.read(qint64(size));
                                    if (std::size_t(bytes.size()) != size)
                                        return std::nullopt;
                                    return bytes;
                                });
}
