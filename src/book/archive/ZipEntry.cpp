#include "book/archive/ZipEntry.h"

#include "book/archive/ArchiveNames.h"
#include "book/archive/DiskSpace.h"
#include "common/ShowMessage.h"

#include <QFile>
#include <algorithm>
#include <sys/stat.h>

namespace {
constexpr uLong kNameBuffer = 256;
constexpr uLong kUtf8NameFlag = 1u << 11;
constexpr uLong kEncryptedFlag = 1u << 0;
constexpr uLong kUnixHost = 3;
constexpr uLong kMacHost = 19; // OS X writes Unix modes as well

// Unix-made entries carry their file type; links and devices are never made, only regular files.
bool isSpecialFile(const unz_file_info64& info)
{
    const uLong host = info.version >> 8;
    if (host != kUnixHost && host != kMacHost)
        return false;
    const uLong type = (info.external_fa >> 16) & S_IFMT;
    return type != 0 && type != S_IFREG && type != S_IFDIR;
}

// The data source of one entry: minizip where it can, libarchive where minizip can't. Stored entries
// are located by minizip and then copied from the archive file in the same 8 KiB steps, checksum and
// all: minizip 1.1 copies stored data one byte at a time, which alone makes a stored book take twice
// as long as the file system needs.
class EntryReader {
public:
    EntryReader(unzFile zip, ZipWalk& walk, const unz_file_info64& info) : m_zip(zip), m_walk(walk), m_info(info) {}

    // minizip's result of opening; 0 also when the fallback took over.
    int open(const QByteArray& rawName)
    {
        const uLong method = m_info.compression_method;
        if (method == 0 || method == Z_DEFLATED) {
            const int r = unzOpenCurrentFile(m_zip);
            if (r == UNZ_OK) {
                m_source = Source::Minizip;
                if (method == 0 && m_walk.storedData.isOpen() && m_info.compressed_size == m_info.uncompressed_size) {
                    m_source = Source::Stored;
                    m_position = unzGetCurrentFileZStreamPos64(m_zip);
                    m_left = m_info.compressed_size;
                }
                return UNZ_OK;
            }
        }
        m_source = Source::Fallback;
        return m_walk.fallback.seekEntry(rawName) ? UNZ_OK : UNZ_BADZIPFILE;
    }

    int read(char* buffer)
    {
        switch (m_source) {
        case Source::Minizip: return unzReadCurrentFile(m_zip, buffer, kZipCopyStep);
        case Source::Stored: return readStored(buffer);
        case Source::Fallback: break;
        }
        const long n = m_walk.fallback.read(buffer, kZipCopyStep);
        return n < 0 ? UNZ_BADZIPFILE : int(n);
    }

    // The checksum verdict (libarchive checks its own as it reads).
    int close()
    {
        if (m_source == Source::Fallback)
            return UNZ_OK;
        const int r = unzCloseCurrentFile(m_zip);
        if (m_source == Source::Stored && m_left == 0 && m_crc != m_info.crc)
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
    const unz_file_info64& m_info;
    Source m_source = Source::Minizip;
    ZPOS64_T m_position = 0;
    ZPOS64_T m_left = 0;
    uLong m_crc = 0;
};
} // namespace

int ExtractZipEntry(unzFile zip, ZipWalk& walk)
{
    unz_file_info64 info{};
    char name[kNameBuffer];
    const int infoResult = unzGetCurrentFileInfo64(zip, &info, name, kNameBuffer, nullptr, 0, nullptr, 0);
    if (infoResult != UNZ_OK)
        return infoResult;
    if (!walk.output.allocate()) {
        ShowMessage(QStringLiteral("Error allocating memory\n"), QStringLiteral("Zip Error"));
        return UNZ_INTERNALERROR;
    }
    if (info.size_filename >= kNameBuffer)
        return UNZ_OK; // the buffer holds no whole name, so there is nothing sure to match or write

    const QByteArray rawName(name, qsizetype(info.size_filename));
    const QString text = ArchiveNameText(rawName, info.flag & kUtf8NameFlag);
    QString bare;
    if (walk.BookChoice.isEmpty() || text.startsWith(walk.BookChoice))
        bare = SafeBareName(text);
    if (bare.isEmpty() || isSpecialFile(info))
        return UNZ_OK;
    if (info.flag & kEncryptedFlag)
        return UNZ_BADZIPFILE; // no password is ever asked for; the bytes would be noise

    EntryReader reader(zip, walk, info);
    if (const int r = reader.open(rawName); r != UNZ_OK)
        return r;
    const std::uint64_t budget = WritableBudget(walk.workDir) / std::uint64_t(qMax(1, walk.writers));
    if (!walk.output.open(walk.workDirFd, QFile::encodeName(bare), budget))
        return reader.close();

    int code = UNZ_OK;
    for (;;) {
        char* buffer = walk.output.space(kZipCopyStep);
        if (!buffer) {
            code = -1;
            break;
        }
        const int n = reader.read(buffer);
        if (n <= 0) {
            code = n;
            break;
        }
        if (!walk.output.commit(std::size_t(n))) {
            code = -1;
            break;
        }
    }
    walk.output.close();
    if (walk.output.status() == OutputFile::Status::DiskFull) {
        walk.diskFull = true;
        walk.output.discard(); // a partial file of a bomb only eats the space the reader needs
        code = -1;
    } else if (code != UNZ_OK && walk.output.written() == 0) {
        walk.output.discard(); // nothing came out; an empty file is no page
    } else if (code == UNZ_OK && walk.output.status() != OutputFile::Status::Ok) {
        code = -1;
    }
    if (code != UNZ_OK) {
        reader.close();
        return code;
    }
    return reader.close();
}
