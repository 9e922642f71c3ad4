// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/OutputFile.h"

#include <new>
#include <utility>

bool OutputFile::allocate()
{
    if (!m_buffer)
        m_buffer.reset(new (std::nothrow) char[kBufferSize]);
    return m_buffer != nullptr;
}

bool OutputFile::open(const DirectoryHandle& dir, const QByteArray& name, std::uint64_t budget)
{
    if (m_file.isOpen())
        close();
    m_used = 0;
    m_written = 0;
    m_budget = budget;
    m_dir = &dir;
    m_name.clear();
    m_status = Status::Ok;
    FileHandle file = dir.createFile(name);
    if (!file.isOpen() || !allocate()) {
        m_status = Status::OpenFailed;
        return false;
    }
    m_file = std::move(file);
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
    const FileHandle::Written written = m_file.write(m_buffer.get(), m_used);
    if (written != FileHandle::Written::Ok) {
        m_status = written == FileHandle::Written::DiskFull ? Status::DiskFull : Status::WriteFailed;
        m_used = 0;
        return false;
    }
    m_written += m_used;
    m_used = 0;
    return true;
}

bool OutputFile::close()
{
    if (!m_file.isOpen())
        return m_status == Status::Ok;
    flush();
    if (!m_file.close() && m_status == Status::Ok)
        m_status = Status::WriteFailed;
    return m_status == Status::Ok;
}

void OutputFile::discard()
{
    m_file.close();
    m_used = 0;
    if (!m_name.isEmpty())
        m_dir->remove(m_name);
    m_name.clear();
}
