// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/FolderLock.h"

#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FolderLock::FolderLock(FolderLock&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

FolderLock FolderLock::take(const QString& lockFile)
{
    const QByteArray native = QFile::encodeName(lockFile);
    // A lock file removed by its last holder between our open and our lock would leave us holding a lock
    // nobody else can see; the file is opened again until the one locked is the one the name gives.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return {};
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return {};
        }
        struct stat held {}, named {};
        if (::fstat(fd, &held) == 0 && ::lstat(native.constData(), &named) == 0 && held.st_dev == named.st_dev
            && held.st_ino == named.st_ino)
            return FolderLock(fd);
        ::close(fd);
    }
    return {};
}

void FolderLock::removeAndRelease(const QString& lockFile)
{
    if (m_fd < 0)
        return;
    ::unlink(QFile::encodeName(lockFile).constData());
    ::close(std::exchange(m_fd, -1));
}
