// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/ZipFallback.h"

#include "common/platform/Utf8Locale.h"

#include <QFile>
#include <archive.h>
#include <archive_entry.h>

namespace {
constexpr std::size_t kBlockSize = 1 << 20;

// Entries are found through the central directory; `streaming` also lets an archive of nothing but
// its end record through, which the central-directory reader doesn't recognise.
struct archive* openZip(const QString& path, bool streaming = false)
{
    struct archive* a = archive_read_new();
    if (!a)
        return nullptr;
    if (streaming)
        archive_read_support_format_zip(a);
    else
        archive_read_support_format_zip_seekable(a);
    if (archive_read_open_filename(a, QFile::encodeName(path).constData(), kBlockSize) != ARCHIVE_OK) {
        archive_read_free(a);
        return nullptr;
    }
    return a;
}
} // namespace

ZipFallback::~ZipFallback()
{
    if (m_archive)
        archive_read_free(m_archive);
}

bool ZipFallback::reopen()
{
    if (m_archive)
        archive_read_free(m_archive);
    m_archive = openZip(m_path);
    m_atEnd = false;
    return m_archive != nullptr;
}

bool ZipFallback::scanTo(const QByteArray& rawName)
{
    while (!m_atEnd) {
        struct archive_entry* entry = nullptr;
        const int r = archive_read_next_header(m_archive, &entry);
        if (r != ARCHIVE_OK && r != ARCHIVE_WARN) {
            m_atEnd = true;
            break;
        }
        const char* name = archive_entry_pathname(entry);
        if (name && rawName == name)
            return true;
    }
    return false;
}

bool ZipFallback::seekEntry(const QByteArray& rawName)
{
    ScopedUtf8Locale locale;
    if (!m_archive && !reopen())
        return false;
    if (scanTo(rawName))
        return true;
    return reopen() && scanTo(rawName);
}

long ZipFallback::read(char* buffer, std::size_t size)
{
    if (!m_archive)
        return -1;
    ScopedUtf8Locale locale;
    const la_ssize_t n = archive_read_data(m_archive, buffer, size);
    return n < 0 ? -1 : long(n);
}

bool ZipFallback::isEmptyArchive(const QString& path)
{
    ScopedUtf8Locale locale;
    struct archive* a = openZip(path, true);
    if (!a)
        return false;
    struct archive_entry* entry = nullptr;
    const bool empty = archive_read_next_header(a, &entry) == ARCHIVE_EOF;
    archive_read_free(a);
    return empty;
}
