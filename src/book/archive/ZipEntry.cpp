// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/ZipEntry.h"

#include "book/archive/DiskSpace.h"

#include <algorithm>
#include <cstring>
#include <vector>
#include <zlib.h>

namespace {
constexpr uLong kNameBuffer = 256;
constexpr uLong kEncryptedFlag = 1u << 0;

// minizip reads the same record as the directory did: it is found by its place, and must say the same.
// This minizip never reads the sizes of a zip64 extra field (it compares them with a 64-bit -1), so
// where the directory took them from there, minizip's own are the 32-bit placeholders.
bool sameSize(ZPOS64_T minizip, std::uint64_t directory, bool zip64)
{
    return minizip == directory || (zip64 && minizip == 0xFFFFFFFF);
}

bool sameRecord(const unz_file_info64& info, const char* name, const ZipDirectoryEntry& entry)
{
    return sameSize(info.compressed_size, entry.compressedSize, entry.zip64)
        && sameSize(info.uncompressed_size, entry.uncompressedSize, entry.zip64) && info.crc == entry.crc
        && info.compression_method == entry.method && info.flag == entry.flags
        && info.size_filename == uLong(entry.rawName.size())
        && std::memcmp(name, entry.rawName.constData(), std::size_t(entry.rawName.size())) == 0;
}

// The data source of one entry. Stored entries are copied straight from their checked range of the
// archive file in the same 8 KiB steps (minizip 1.1 copies stored data one byte at a time, which alone
// makes a stored book take twice as long as the file system needs); deflated ones are inflated by
// minizip, reading from that same range; libarchive reads what minizip can't: zip64 entries and other
// methods (for which minizip would hand back the raw compressed bytes).
class EntryReader {
public:
    EntryReader(unzFile zip, ZipWalk& walk, const ZipDirectoryEntry& entry) : m_zip(zip), m_walk(walk), m_entry(entry)
    {}

    // minizip's result of opening; 0 also when another source took over.
    int open()
    {
        if (m_entry.method == 0 && m_entry.compressedSize == m_entry.uncompressedSize && m_entry.dataStart
            && m_walk.storedData.isOpen()) {
            m_source = Source::Stored;
            m_position = m_entry.dataStart;
            m_left = m_entry.compressedSize;
            return UNZ_OK;
        }
        if (m_entry.method == Z_DEFLATED && !m_entry.zip64) {
            const int r = unzOpenCurrentFile(m_zip);
            if (r == UNZ_OK) {
                m_open = true;
                if (unzGetCurrentFileZStreamPos64(m_zip) != m_entry.dataStart)
                    return UNZ_BADZIPFILE; // minizip would read elsewhere than the checked range
                m_source = Source::Minizip;
                return UNZ_OK;
            }
        }
        m_source = Source::Fallback;
        return m_walk.fallback.seekEntry(m_entry.rawName) ? UNZ_OK : UNZ_BADZIPFILE;
    }

    int read(char* buffer)
    {
        switch (m_source) {
        case Source::Minizip: return unzReadCurrentFile(m_zip, buffer, kZipCopyStep);
        case Source::Stored: return readStored(buffer);
        case Source::Fallback: break;
        }
        const long n = m_walk.fallback.read(buffer, kZipCopyStep);
        if (n > 0)
            m_crc = crc32(m_crc, reinterpret_cast<const Bytef*>(buffer), uInt(n));
        return n < 0 ? UNZ_BADZIPFILE : int(n);
    }

    // The checksum verdict, once all the data was read.
    int close()
    {
        const int r = m_open ? unzCloseCurrentFile(m_zip) : UNZ_OK;
        m_open = false;
        if (m_source != Source::Minizip && m_crc != m_entry.crc)
            return UNZ_CRCERROR;
        return r;
    }

private:
    enum class Source { Minizip, Stored, Fallback };

    int readStored(char* buffer)
    {
        if (m_left == 0)
            return 0;
        const std::size_t want = std::size_t(std::min<ZPOS64_T>(m_left, kZipCopyStep));
        const long n = m_walk.storedData.readAt(m_position, buffer, want);
        if (n <= 0)
            return UNZ_ERRNO; // the archive ends inside the entry
        m_position += ZPOS64_T(n);
        m_left -= ZPOS64_T(n);
        m_crc = crc32(m_crc, reinterpret_cast<const Bytef*>(buffer), uInt(n));
        return int(n);
    }

    unzFile m_zip;
    ZipWalk& m_walk;
    const ZipDirectoryEntry& m_entry;
    Source m_source = Source::Minizip;
    bool m_open = false;
    ZPOS64_T m_position = 0;
    ZPOS64_T m_left = 0;
    uLong m_crc = 0;
};

// Copies the entry's data to the open output file, never more than its declared size: a deflate
// stream that goes on inflating past it is a bomb, one that ends short is damaged.
int copyData(EntryReader& reader, OutputFile& output, std::uint64_t declared, const std::atomic<bool>* cancelled)
{
    std::uint64_t left = declared;
    for (;;) {
        if (cancelled && cancelled->load(std::memory_order_relaxed))
            return -1;
        char* buffer = output.space(kZipCopyStep);
        if (!buffer)
            return -1;
        const int n = reader.read(buffer);
        if (n < 0)
            return n;
        if (n == 0)
            return left == 0 ? UNZ_OK : UNZ_BADZIPFILE;
        if (std::uint64_t(n) > left)
            return UNZ_BADZIPFILE;
        left -= std::uint64_t(n);
        if (!output.commit(std::size_t(n)))
            return -1;
    }
}
// True when the deflated data between `start` and `start` + `compressed` ends its stream exactly at
// `declared` bytes: the sizes agree, so a failing checksum means changed bytes, not a page cut or padded.
bool deflatedSizeAgrees(ArchiveFileReader& file, std::uint64_t start, std::uint64_t compressed, std::uint64_t declared)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    std::vector<char> in(kZipCopyStep), out(4 * kZipCopyStep);
    std::uint64_t read = 0, produced = 0;
    int r = Z_OK;
    while (r == Z_OK && produced <= declared) {
        if (stream.avail_in == 0 && read < compressed) {
            const long n = file.readAt(start + read, in.data(), std::size_t(std::min<std::uint64_t>(in.size(), compressed - read)));
            if (n <= 0)
                break;
            read += std::uint64_t(n);
            stream.next_in = reinterpret_cast<Bytef*>(in.data());
            stream.avail_in = uInt(n);
        }
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = uInt(out.size());
        r = inflate(&stream, Z_NO_FLUSH);
        produced += out.size() - stream.avail_out;
        if (r == Z_BUF_ERROR && stream.avail_in == 0 && read >= compressed)
            break; // the data ends before its stream does
        if (r == Z_BUF_ERROR)
            r = Z_OK;
    }
    inflateEnd(&stream);
    return r == Z_STREAM_END && produced == declared;
}
} // namespace

int ExtractZipEntry(unzFile zip, ZipWalk& walk, const ZipDirectoryEntry& entry, const PlannedEntry& planned)
{
    if (!walk.output.allocate()) {
        walk.outOfMemory = true;
        return UNZ_INTERNALERROR;
    }
    if (planned.overruns)
        return UNZ_BADZIPFILE; // its declared data would take in the central directory
    if (const int r = unzSetOffset64(zip, entry.recordPosition); r != UNZ_OK)
        return r;
    unz_file_info64 info{};
    char name[kNameBuffer];
    if (const int r = unzGetCurrentFileInfo64(zip, &info, name, kNameBuffer, nullptr, 0, nullptr, 0); r != UNZ_OK)
        return r;
    if (!sameRecord(info, name, entry))
        return UNZ_BADZIPFILE;
    if (entry.flags & kEncryptedFlag)
        return UNZ_BADZIPFILE; // no password is ever asked for; the bytes would be noise

    EntryReader reader(zip, walk, entry);
    if (const int r = reader.open(); r != UNZ_OK) {
        reader.close();
        return r;
    }
    const std::uint64_t budget = WritableBudget(walk.workDir) / std::uint64_t(qMax(1, walk.writers));
    if (!walk.output.open(*walk.workDirHandle, planned.bareName, budget)) {
        reader.close();
        return UNZ_OK; // a name the file system refuses is skipped without a word
    }
    int code = copyData(reader, walk.output, entry.uncompressedSize, walk.cancelled);
    walk.output.close();
    if (walk.output.status() == OutputFile::Status::DiskFull) {
        walk.diskFull = true;
        code = -1;
    } else if (code == UNZ_OK && walk.output.status() != OutputFile::Status::Ok) {
        code = -1;
    }
    int verdict = reader.close();
    if (verdict == UNZ_CRCERROR && entry.method == Z_DEFLATED
        && !(entry.dataStart && walk.storedData.isOpen()
             && deflatedSizeAgrees(walk.storedData, entry.dataStart, entry.compressedSize, entry.uncompressedSize)))
        verdict = UNZ_BADZIPFILE; // inflated past or short of its declared size: no page
    if (code == UNZ_OK)
        code = verdict;
    // Half a page, or a page with foreign bytes, is no page. Data of the declared size whose checksum
    // fails keeps its file: one flipped byte seldom stops a picture from showing, and its decoder decides.
    if (code != UNZ_OK && code != UNZ_CRCERROR)
        walk.output.discard();
    return code;
}
