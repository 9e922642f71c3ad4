#include "book/archive/OutputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

OutputFile::~OutputFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool OutputFile::allocate()
{
    if (!m_buffer)
        m_buffer.reset(new (std::nothrow) char[kBufferSize]);
    return m_buffer != nullptr;
}

bool OutputFile::open(int dirFd, const QByteArray& name, std::uint64_t budget)
{
    if (m_fd >= 0)
        close();
    m_used = 0;
    m_written = 0;
    m_budget = budget;
    m_dirFd = dirFd;
    m_name.clear();
    m_status = Status::Ok;
    // Whatever is at the name goes first: a symbolic or hard link planted there is never written
    // through, and a later entry of the same name replaces an earlier one. O_EXCL then makes sure the
    // file written is the one this call created; O_NONBLOCK keeps a FIFO from blocking the open.
    if (::unlinkat(dirFd, name.constData(), 0) != 0 && errno != ENOENT) {
        m_status = Status::OpenFailed;
        return false;
    }
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    int fd = ::openat(dirFd, name.constData(), flags, 0644);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    if (fd < 0 || !allocate()) {
        if (fd >= 0)
            ::close(fd);
        m_status = Status::OpenFailed;
        return false;
    }
    m_fd = fd;
    m_name = name; // only a file this call made is ever discarded
    return true;
}

char* OutputFile::space(std::size_t size)
{
    if (m_used + size > kBufferSize && !flush())
        return nullptr;
    return m_buffer.get() + m_used;
}

bool OutputFile::commit(std::size_t size)
{
    if (m_status != Status::Ok)
        return false;
    if (written() + size > m_budget) {
        m_status = Status::DiskFull;
        return false;
    }
    m_used += size;
    return m_used < kBufferSize || flush();
}

bool OutputFile::flush()
{
    if (m_status != Status::Ok)
        return false;
    std::size_t done = 0;
    while (done < m_used) {
        const ssize_t n = ::write(m_fd, m_buffer.get() + done, m_used - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_status = (n < 0 && (errno == ENOSPC || errno == EDQUOT)) ? Status::DiskFull : Status::WriteFailed;
            m_used = 0;
            return false;
        }
        done += std::size_t(n);
    }
    m_written += m_used;
    m_used = 0;
    return true;
}

bool OutputFile::close()
{
    if (m_fd < 0)
        return m_status == Status::Ok;
    flush();
    if (::close(m_fd) != 0 && m_status == Status::Ok)
        m_status = Status::WriteFailed;
    m_fd = -1;
    return m_status == Status::Ok;
}

void OutputFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_used = 0;
    if (!m_name.isEmpty())
        ::unlinkat(m_dirFd, m_name.constData(), 0);
    m_name.clear();
}
