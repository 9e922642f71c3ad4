// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An open file, held by the system's handle: read at any position, or written from its start on.
// The file is closed with the object; close() says whether everything written arrived.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>

class FileHandle {
public:
    enum class Written { Ok, DiskFull, Failed };

    FileHandle() = default;
    // `path` opened for reading; not open when it can't be.
    static FileHandle openForReading(const QString& path);

    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;

    bool isOpen() const { return m_fd >= 0; }

    // The size of a regular file; nothing for anything else (a FIFO, a device, a folder) or when the
    // system can't say.
    std::optional<std::uint64_t> regularFileSize() const;

    // Copies up to `size` bytes from `position`; returns the count (0 at the end of the file), -1 on
    // an error.
    long readAt(std::uint64_t position, char* out, std::size_t size) const;

    // Writes all `size` bytes after what was written before. DiskFull when the disk or the user's
    // quota has no room left.
    Written write(const char* data, std::size_t size);

    // Closes the file; false when the system reports that written data may be lost.
    bool close();

private:
    friend class DirectoryHandle;
    explicit FileHandle(int fd) : m_fd(fd) {}

    int m_fd = -1;
};
