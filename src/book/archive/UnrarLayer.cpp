// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/UnrarLayer.h"

#include "book/archive/DiskSpace.h"
#include "book/archive/ExtractionAllowance.h"
#include "book/archive/OutputFile.h"
#include "book/archive/RarHeaderIndex.h"
#include "book/archive/RarVolumes.h"
#include "common/platform/Utf8Locale.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <cstring>
#include <vector>
#include <zlib.h>

struct RarArchive {
    struct archive* reader = nullptr;
    struct archive_entry* entry = nullptr;   // of the last header read, until it is processed
    struct archive_entry* current = nullptr; // the entry being extracted
    bool broken = false;                     // a header failed; nothing after it can be trusted
    RarEntryFacts facts;                     // of the entry of the last header
    std::vector<RarEntryFacts> index;        // per entry, read from the headers at open
    std::size_t entriesRead = 0;
    std::uint64_t allowance = 0; // what the whole archive may still unpack to
    OutputFile output;
    UNRARCALLBACK callback = nullptr;
    std::intptr_t userData = 0;
};

namespace {
constexpr std::size_t kBlockSize = 1 << 20;
constexpr std::size_t kCopyStep = 64 * 1024;

template <std::size_t N, typename Char> bool copyName(Char (&target)[N], const Char* source, std::size_t length)
{
    target[0] = 0;
    if (!source || length >= N)
        return false;
    for (std::size_t i = 0; i < length; ++i)
        target[i] = source[i] == Char('/') ? Char('\\') : source[i];
    target[length] = 0;
    return true;
}

int readAll(struct archive* reader)
{
    std::vector<char> sink(kCopyStep);
    for (;;) {
        const la_ssize_t n = archive_read_data(reader, sink.data(), sink.size());
        if (n == 0)
            return ERAR_SUCCESS;
        if (n < 0)
            return ERAR_BAD_DATA;
    }
}

int extractTo(RarArchive& rar, const char* destName)
{
    if (!destName)
        return ERAR_ECREATE;
    const QString dir = QFileInfo(QFile::decodeName(destName)).absolutePath();
    OutputFile& out = rar.output;
    if (!out.open(DirectoryHandle::workingDirectory(), QByteArray(destName),
                  std::min(WritableBudget(dir), rar.allowance)))
        return ERAR_ECREATE;
    // Never more than the header declares: data that inflates on past it is a bomb or damage.
    struct archive_entry* entry = rar.current;
    const bool sized = archive_entry_size_is_set(entry);
    const std::uint64_t declared = sized ? std::uint64_t(archive_entry_size(entry)) : 0;
    int result = ERAR_SUCCESS;
    uLong crc = crc32(0, nullptr, 0);
    for (;;) {
        char* buffer = out.space(kCopyStep);
        if (!buffer) {
            result = ERAR_EWRITE;
            break;
        }
        const la_ssize_t n = archive_read_data(rar.reader, buffer, kCopyStep);
        if (n == 0)
            break;
        if (n < 0 || (sized && out.written() + std::uint64_t(n) > declared)) {
            result = ERAR_BAD_DATA;
            break;
        }
        if (rar.callback
            && rar.callback(UCM_PROCESSDATA, rar.userData, std::intptr_t(buffer), std::intptr_t(n)) == -1) {
            result = ERAR_UNKNOWN;
            break;
        }
        if (rar.facts.crc)
            crc = crc32(crc, reinterpret_cast<const Bytef*>(buffer), uInt(n));
        if (!out.commit(std::size_t(n))) {
            result = ERAR_EWRITE;
            break;
        }
    }
    if (result == ERAR_SUCCESS && rar.facts.crc && crc != *rar.facts.crc)
        result = ERAR_BAD_DATA;
    if (!out.close() && result == ERAR_SUCCESS)
        result = ERAR_EWRITE;
    // A volume set missing its last volumes can end an entry early without an error from the reader.
    if (result == ERAR_SUCCESS && sized && out.written() != declared)
        result = ERAR_BAD_DATA;
    if (result != ERAR_SUCCESS)
        out.discard(); // half a page is no page
    else
        rar.allowance -= std::min(rar.allowance, out.written());
    return result;
}
} // namespace

RarHandle RAROpenArchiveEx(RAROpenArchiveDataEx* data)
{
    if (!data || !data->ArcName) {
        if (data)
            data->OpenResult = ERAR_EOPEN;
        return nullptr;
    }
    data->CmtSize = 0;
    data->CmtState = 0;
    const QStringList volumes = RarVolumeSet(QFile::decodeName(data->ArcName),
                                             [](const QString& p) { return QFileInfo(p).isFile(); });
    std::vector<QByteArray> nativeNames;
    for (const QString& volume : volumes)
        nativeNames.push_back(QFile::encodeName(volume));
    std::vector<const char*> names;
    for (const QByteArray& n : nativeNames)
        names.push_back(n.constData());
    names.push_back(nullptr);

    ScopedUtf8Locale locale;
    auto* rar = new RarArchive;
    rar->reader = archive_read_new();
    if (!rar->reader) {
        delete rar;
        data->OpenResult = ERAR_NO_MEMORY;
        return nullptr;
    }
    archive_read_support_format_rar(rar->reader);
    archive_read_support_format_rar5(rar->reader);
    if (archive_read_open_filenames(rar->reader, names.data(), kBlockSize) != ARCHIVE_OK) {
        archive_read_free(rar->reader);
        delete rar;
        data->OpenResult = ERAR_BAD_ARCHIVE;
        return nullptr;
    }
    rar->index = ReadRarHeaderIndex(volumes);
    // Headers that can't be walked leave the archive solid, so it is read in order, which always works.
    const bool solid = rar->index.empty()
        || std::any_of(rar->index.begin(), rar->index.end(), [](const RarEntryFacts& f) { return f.solid; });
    data->Flags = (volumes.size() > 1 ? ROADF_VOLUME : 0u) | (solid ? ROADF_SOLID : 0u);
    rar->allowance = ExtractionAllowance(ArchiveBytes(volumes));
    data->OpenResult = ERAR_SUCCESS;
    return rar;
}

int RARReadHeaderEx(RarHandle rar, RARHeaderDataEx* header)
{
    if (!rar || !header)
        return ERAR_UNKNOWN;
    if (rar->broken)
        return ERAR_BAD_DATA;
    ScopedUtf8Locale locale;
    rar->entry = nullptr;
    const int r = archive_read_next_header(rar->reader, &rar->entry);
    if (r == ARCHIVE_EOF)
        return ERAR_END_ARCHIVE;
    if (r != ARCHIVE_OK && r != ARCHIVE_WARN) {
        rar->broken = true;
        rar->entry = nullptr;
        return ERAR_BAD_DATA;
    }
    struct archive_entry* e = rar->entry;
    const char* stored = archive_entry_pathname(e);
    copyName(header->FileName, stored, stored ? std::strlen(stored) : 0);
    const wchar_t* wide = archive_entry_pathname_w(e);
    copyName(header->FileNameW, wide, wide ? std::wcslen(wide) : 0);
    const bool directory = archive_entry_filetype(e) == AE_IFDIR;
    header->FileAttr = directory ? RAR_ATTR_DIRECTORY : RAR_ATTR_ARCHIVE;
    header->UnpSize = std::uint64_t(archive_entry_size(e));
    const std::size_t index = rar->entriesRead++;
    rar->facts = index < rar->index.size() ? rar->index[index] : RarEntryFacts{};
    rar->facts.encrypted |= archive_entry_is_data_encrypted(e) != 0;
    header->Encrypted = rar->facts.encrypted;
    header->RegularFile = archive_entry_filetype(e) == AE_IFREG;
    return ERAR_SUCCESS;
}

int RARProcessFile(RarHandle rar, int operation, const char*, const char* destName)
{
    if (!rar || !rar->entry)
        return ERAR_UNKNOWN;
    ScopedUtf8Locale locale;
    struct archive_entry* e = rar->entry;
    rar->entry = nullptr;
    const bool regular = archive_entry_filetype(e) == AE_IFREG;
    if (operation == RAR_SKIP || !regular)
        return archive_read_data_skip(rar->reader) == ARCHIVE_OK ? ERAR_SUCCESS : ERAR_BAD_DATA;
    if (rar->facts.encrypted)
        return ERAR_MISSING_PASSWORD; // no password is ever asked for
    if (operation == RAR_TEST)
        return readAll(rar->reader);
    if (operation == RAR_EXTRACT) {
        rar->current = e;
        return extractTo(*rar, destName);
    }
    return ERAR_UNKNOWN;
}

void RARSetCallback(RarHandle rar, UNRARCALLBACK callback, std::intptr_t userData)
{
    if (!rar)
        return;
    rar->callback = callback;
    rar->userData = userData;
}

int RARCloseArchive(RarHandle rar)
{
    if (!rar)
        return ERAR_ECLOSE;
    archive_read_free(rar->reader);
    delete rar;
    return ERAR_SUCCESS;
}
