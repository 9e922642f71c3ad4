// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/FileHandle.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

FileHandle FileHandle::openForReading(const QString& path)
{
    return FileHandle(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
}

FileHandle::~FileHandle()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FileHandle::FileHandle(FileHandle&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

std::optional<std::uint64_t> FileHandle::regularFileSize() const
{
    struct stat info {};
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return std::uint64_t(info.st_size);
}

long FileHandle::readAt(std::uint64_t position, char* out, std::size_t size) const
{
    if (m_fd < 0)
        return -1;
    ssize_t n;
    do
        n = ::pread(m_fd, out, size, off_t(position));
    while (n < 0 && errno == EINTR);
    return long(n);
}

FileHandle::Written FileHandle::write(const char* data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 && (errno == ENOSPC || errno == EDQUOT) ? Written::DiskFull : Written::Failed;
        done += std::size_t(n);
    }
    return Written::Ok;
}

bool FileHandle::close()
{
    if (m_fd < 0)
        return true;
    return ::close(std::exchange(m_fd, -1)) == 0;
}
