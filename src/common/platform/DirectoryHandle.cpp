// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/DirectoryHandle.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

DirectoryHandle DirectoryHandle::open(const QString& path)
{
    return DirectoryHandle(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

const DirectoryHandle& DirectoryHandle::workingDirectory()
{
    static const DirectoryHandle working(AT_FDCWD);
    return working;
}

DirectoryHandle::~DirectoryHandle()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

DirectoryHandle::DirectoryHandle(DirectoryHandle&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

DirectoryHandle& DirectoryHandle::operator=(DirectoryHandle&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

bool DirectoryHandle::isOpen() const
{
    return m_fd >= 0 || m_fd == AT_FDCWD;
}

FileHandle DirectoryHandle::createFile(const QByteArray& name) const
{
    if (::unlinkat(m_fd, name.constData(), 0) != 0 && errno != ENOENT)
        return FileHandle();
    // O_EXCL makes sure the file written is the one this call created; O_NONBLOCK keeps a FIFO from
    // blocking the open.
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    FileHandle file(::openat(m_fd, name.constData(), flags, 0644));
    if (!file.regularFileSize())
        return FileHandle();
    return file;
}

void DirectoryHandle::remove(const QByteArray& name) const
{
    ::unlinkat(m_fd, name.constData(), 0);
}

bool DirectoryHandle::rename(const QByteArray& from, const QByteArray& to) const
{
    return ::renameat(m_fd, from.constData(), m_fd, to.constData()) == 0;
}
