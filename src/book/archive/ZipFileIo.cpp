#include "book/archive/ZipFileIo.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t kReadBuffer = 1 << 20;

struct BufferedFile {
    int fd = -1;
    ZPOS64_T size = 0;
    ZPOS64_T position = 0;
    ZPOS64_T bufferStart = 0;
    std::size_t bufferLength = 0;
    bool failed = false;
    std::unique_ptr<char[]> buffer;
};

voidpf ZCALLBACK openFile(voidpf, const void* filename, int mode)
{
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    const int fd = ::open(static_cast<const char*>(filename), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    auto* file = new (std::nothrow) BufferedFile;
    if (!file || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        delete file;
        ::close(fd);
        return nullptr;
    }
    file->buffer.reset(new (std::nothrow) char[kReadBuffer]);
    if (!file->buffer) {
        delete file;
        ::close(fd);
        return nullptr;
    }
    file->fd = fd;
    file->size = ZPOS64_T(info.st_size);
    return file;
}

bool refill(BufferedFile& file)
{
    for (;;) {
        const ssize_t n = ::pread(file.fd, file.buffer.get(), kReadBuffer, off_t(file.position));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            file.failed = true;
            return false;
        }
        file.bufferStart = file.position;
        file.bufferLength = std::size_t(n);
        return n > 0;
    }
}

uLong ZCALLBACK readFile(voidpf, voidpf stream, void* out, uLong size)
{
    auto& file = *static_cast<BufferedFile*>(stream);
    auto* target = static_cast<char*>(out);
    uLong done = 0;
    while (done < size) {
        const bool inBuffer = file.position >= file.bufferStart && file.position < file.bufferStart + file.bufferLength;
        if (!inBuffer && !refill(file))
            break;
        const std::size_t offset = std::size_t(file.position - file.bufferStart);
        const std::size_t take = std::min<std::size_t>(size - done, file.bufferLength - offset);
        std::memcpy(target + done, file.buffer.get() + offset, take);
        done += uLong(take);
        file.position += take;
    }
    return done;
}

uLong ZCALLBACK writeFile(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK tellFile(voidpf, voidpf stream)
{
    return static_cast<BufferedFile*>(stream)->position;
}

long ZCALLBACK seekFile(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto& file = *static_cast<BufferedFile*>(stream);
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: file.position = offset; return 0;
    case ZLIB_FILEFUNC_SEEK_CUR: file.position += offset; return 0;
    case ZLIB_FILEFUNC_SEEK_END: file.position = file.size + offset; return 0;
    default: return -1;
    }
}

int ZCALLBACK closeFile(voidpf, voidpf stream)
{
    auto* file = static_cast<BufferedFile*>(stream);
    const int result = ::close(file->fd);
    delete file;
    return result;
}

int ZCALLBACK errorFile(voidpf, voidpf stream)
{
    return static_cast<BufferedFile*>(stream)->failed ? 1 : 0;
}
} // namespace

unzFile OpenZipArchive(const QString& path)
{
    zlib_filefunc64_def functions{openFile, readFile, writeFile, tellFile, seekFile, closeFile, errorFile, nullptr};
    const QByteArray native = QFile::encodeName(path);
    return unzOpen2_64(native.constData(), &functions);
}
