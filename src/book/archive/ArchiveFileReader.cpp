#include "book/archive/ArchiveFileReader.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <unistd.h>

ArchiveFileReader::~ArchiveFileReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool ArchiveFileReader::open(const QString& path)
{
    m_buffer.reset(new (std::nothrow) char[kBufferSize]);
    if (!m_buffer)
        return false;
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    m_length = 0;
    return m_fd >= 0;
}

long ArchiveFileReader::readAt(std::uint64_t position, char* out, std::size_t size)
{
    if (m_fd < 0)
        return -1;
    if (position < m_start || position >= m_start + m_length) {
        ssize_t n;
        do
            n = ::pread(m_fd, m_buffer.get(), kBufferSize, off_t(position));
        while (n < 0 && errno == EINTR);
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
    if (m_fd < 0)
        return -1;
    ssize_t n;
    do
        n = ::pread(m_fd, out, size, off_t(position));
    while (n < 0 && errno == EINTR);
    return long(n);
}
