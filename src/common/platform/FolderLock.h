// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An advisory lock on a file, held by this process until the object goes (or the process ends, however
// it ends: the system drops it then). A scratch folder's lock file says whether a running copy of the
// program still uses the folder.

#include <QString>

class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;

    // Takes the lock of `lockFile`, made if missing (never through a link), without waiting: not held
    // when another process holds it or the file can't be made.
    static FolderLock take(const QString& lockFile);

    bool isHeld() const { return m_fd >= 0; }
    // Removes the lock file while still holding it, then lets it go.
    void removeAndRelease(const QString& lockFile);

private:
    explicit FolderLock(int fd) : m_fd(fd) {}
    int m_fd = -1;
};
