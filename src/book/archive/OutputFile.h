// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One extracted file, written through a large buffer so that a book of many megabytes costs a few
// hundred system calls rather than one per 8 KiB copy step.

#include "common/platform/DirectoryHandle.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <memory>

class OutputFile {
public:
    static constexpr std::size_t kBufferSize = 1 << 20;

    enum class Status { Ok, OpenFailed, WriteFailed, DiskFull };

    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Makes the buffer; false when memory is short. Kept across files.
    bool allocate();

    // Creates `name` inside the folder `dir` (or a full path in the working folder), replacing what is
    // there: a file or a link is removed first, never written through; a folder makes it fail. At most
    // `budget` bytes may be written before the file counts as filling the disk. `dir` must stay open
    // while the file is.
    bool open(const DirectoryHandle& dir, const QByteArray& name, std::uint64_t budget);

    // Room for `size` bytes (at most kBufferSize) to be filled and then committed.
    char* space(std::size_t size);
    bool commit(std::size_t size);

    // Writes out what is buffered and closes. False when anything failed on the way.
    bool close();
    // Closes and deletes the file (a partial file that must not be taken for a page).
    void discard();

    bool isOpen() const { return m_file.isOpen(); }
    Status status() const { return m_status; }
    std::uint64_t written() const { return m_written + m_used; }

private:
    bool flush();

    std::unique_ptr<char[]> m_buffer;
    std::size_t m_used = 0;
    std::uint64_t m_written = 0;
    std::uint64_t m_budget = 0;
    FileHandle m_file;
    const DirectoryHandle* m_dir = nullptr;
    QByteArray m_name;
    Status m_status = Status::Ok;
};
