// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads ranges of an archive file through a 1 MiB buffer: the steps may be small (8 KiB), the system
// calls are not.

#include "common/platform/FileHandle.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

class ArchiveFileReader {
public:
    static constexpr std::size_t kBufferSize = 1 << 20;

    bool open(const QString& path);
    bool isOpen() const { return m_file.isOpen(); }
    // The file's size when it is a regular file (see FileHandle).
    std::optional<std::uint64_t> regularFileSize() const { return m_file.regularFileSize(); }

    // Copies up to `size` bytes from `position`; returns the count (0 at the end of the file), -1 on an
    // error.
    long readAt(std::uint64_t position, char* out, std::size_t size);

    // The same, straight from the file: for small reads far apart, where filling the buffer would read
    // a mebibyte for a few bytes.
    long readDirect(std::uint64_t position, char* out, std::size_t size);

private:
    FileHandle m_file;
    std::unique_ptr<char[]> m_buffer;
    std::uint64_t m_start = 0;
    std::size_t m_length = 0;
};
