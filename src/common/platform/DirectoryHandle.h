// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder held open. Files are made, renamed and removed by their names inside it, so they land in
// this folder even when its path is replaced meanwhile, and a name that is a link is never followed.

#include "common/platform/FileHandle.h"

#include <QByteArray>
#include <QString>

class DirectoryHandle {
public:
    DirectoryHandle() = default;
    // The folder `path`; not open when it can't be opened as a folder.
    static DirectoryHandle open(const QString& path);
    // The working folder: the names given to it are paths, full or relative.
    static const DirectoryHandle& workingDirectory();

    ~DirectoryHandle();
    DirectoryHandle(DirectoryHandle&& other) noexcept;
    DirectoryHandle& operator=(DirectoryHandle&& other) noexcept;

    bool isOpen() const;

    // A new, empty regular file at `name`, open for writing. Whatever is at the name goes first: a
    // symbolic or hard link planted there is never written through, and a later file of the same name
    // replaces an earlier one. Not open when anything fails (a folder at the name, no permission).
    FileHandle createFile(const QByteArray& name) const;

    // Removes the file or link `name`, if there is one.
    void remove(const QByteArray& name) const;

    // Gives `from` the name `to` in one step, replacing whatever is there (a link too, never followed).
    bool rename(const QByteArray& from, const QByteArray& to) const;

private:
    explicit DirectoryHandle(int fd) : m_fd(fd) {}

    int m_fd = -1;
};
