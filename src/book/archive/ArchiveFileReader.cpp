// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/ArchiveFileReader.h"

#include <algorithm>
#include <cstring>
#include <new>

bool ArchiveFileReader::open(const QString& path)
{
    m_buffer.reset(new (std::nothrow) char[kBufferSize]);
    if (!m_buffer)
        return false;
    m_file = FileHandle::openForReading(path);
    m_length = 0;
    return m_file.isOpen();
}

long ArchiveFileReader::readAt(std::uint64_t position, char* out, std::size_t size)
{
    if (!m_file.isOpen())
        return -1;
    if (position < m_start || position >= m_start + m_length) {
        const long n = m_file.readAt(position, m_buffer.get(), kBufferSize);
        if (n < 0)
            return -1;
        m_start = position;
        m_length = std::size_t(n);
        if (n == 0)
            return 0;
    }
    const std::size_t offset = std::size_t(position - m_start);
    const std::size_t take = std::min(size, m_length - offset);
    std::memcpy(out, m_buffer.get() + offset, take);
    return long(take);
}

long ArchiveFileReader::readDirect(std::uint64_t position, char* out, std::size_t size)
{
    return m_file.readAt(position, out, size);
}
