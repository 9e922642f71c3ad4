// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/ZipFileIo.h"

#include "book/archive/ArchiveFileReader.h"

#include <QFile>
#include <new>

namespace {
struct ZipFile {
    ArchiveFileReader reader;
    ZPOS64_T size = 0;
    ZPOS64_T position = 0;
    bool failed = false;
};

voidpf ZCALLBACK openFile(voidpf, const void* filename, int mode)
{
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    auto* file = new (std::nothrow) ZipFile;
    if (!file || !file->reader.open(QFile::decodeName(static_cast<const char*>(filename)))) {
        delete file;
        return nullptr;
    }
    const std::optional<std::uint64_t> size = file->reader.regularFileSize();
    if (!size) {
        delete file;
        return nullptr;
    }
    file->size = *size;
    return file;
}

uLong ZCALLBACK readFile(voidpf, voidpf stream, void* out, uLong size)
{
    auto& file = *static_cast<ZipFile*>(stream);
    auto* target = static_cast<char*>(out);
    uLong done = 0;
    while (done < size) {
        const long n = file.reader.readAt(file.position, target + done, size - done);
        if (n <= 0) {
            file.failed = file.failed || n < 0;
            break;
        }
        done += uLong(n);
        file.position += ZPOS64_T(n);
    }
    return done;
}

uLong ZCALLBACK writeFile(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK tellFile(voidpf, voidpf stream)
{
    return static_cast<ZipFile*>(stream)->position;
}

long ZCALLBACK seekFile(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto& file = *static_cast<ZipFile*>(stream);
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: file.position = offset; return 0;
    case ZLIB_FILEFUNC_SEEK_CUR: file.position += offset; return 0;
    case ZLIB_FILEFUNC_SEEK_END: file.position = file.size + offset; return 0;
    default: return -1;
    }
}

int ZCALLBACK closeFile(voidpf, voidpf stream)
{
    delete static_cast<ZipFile*>(stream);
    return 0;
}

int ZCALLBACK errorFile(voidpf, voidpf stream)
{
    return static_cast<ZipFile*>(stream)->failed ? 1 : 0;
}
} // namespace

unzFile OpenZipArchive(const QString& path)
{
    zlib_filefunc64_def functions{openFile, readFile, writeFile, tellFile, seekFile, closeFile, errorFile, nullptr};
    const QByteArray native = QFile::encodeName(path);
    return unzOpen2_64(native.constData(), &functions);
}
