// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/BookExtraction.h"

#include "common/platform/ThreadPriority.h"

#include <algorithm>
#include <chrono>
#include <numeric>

namespace {
// Never a page name (no image extension), so a half-written file is never listed or shown.
const QByteArray kTempName(".bv-writing");
} // namespace

BookExtraction::BookExtraction(const QString& workDir, std::vector<ExtractionFile> files,
                               std::unique_ptr<ArchiveFileWriter> writer, std::optional<std::size_t> first,
                               Notify notify, bool holdAfterFirst)
    : m_files(std::move(files)), m_writer(std::move(writer)), m_notify(std::move(notify)),
      m_states(m_files.size(), FileWrite::Pending), m_messages(m_files.size()), m_held(holdAfterFirst)
{
    m_byEntry.resize(m_files.size());
    std::iota(m_byEntry.begin(), m_byEntry.end(), std::size_t(0));
    std::stable_sort(m_byEntry.begin(), m_byEntry.end(),
                     [this](std::size_t a, std::size_t b) { return m_files[a].entry < m_files[b].entry; });
    m_order.cursor = first.value_or(0);
    m_first = m_order.cursor;
    m_inArchiveOrder = !first || m_writer->inArchiveOrder();
    m_dir = DirectoryHandle::open(workDir);
    m_thread = std::thread([this] { run(); });
}

BookExtraction::~BookExtraction()
{
    cancel();
}

void BookExtraction::cancel()
{
    {
        std::lock_guard lock(m_mutex);
        m_cancelled = true;
    }
    m_wake.notify_all();
    m_settled.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void BookExtraction::release()
{
    {
        std::lock_guard lock(m_mutex);
        m_held = false;
    }
    m_wake.notify_all();
}

void BookExtraction::prioritise(std::size_t k)
{
    {
        std::lock_guard lock(m_mutex);
        if (k < m_states.size() && m_states[k] == FileWrite::Pending) {
            m_order.wanted = k;
            m_order.cursor = k;
            m_order.scanned = 0;
        }
    }
    if (k != m_first) // waiting for the first file keeps the hold after it
        release();
}

FileWrite BookExtraction::state(std::size_t k) const
{
    std::lock_guard lock(m_mutex);
    return k < m_states.size() ? m_states[k] : FileWrite::Failed;
}

bool BookExtraction::waitFor(std::size_t k)
{
    if (k >= m_files.size())
        return false;
    prioritise(k);
    std::unique_lock lock(m_mutex);
    m_settled.wait(lock, [&] { return m_states[k] != FileWrite::Pending || m_done; });
    return m_states[k] == FileWrite::Written;
}

bool BookExtraction::waitForNamed(const QByteArray& bareName)
{
    const std::optional<std::size_t> k = fileNamed(bareName);
    return k && waitFor(*k);
}

std::optional<std::size_t> BookExtraction::fileNamed(const QByteArray& bareName) const
{
    const auto found = std::find_if(m_files.begin(), m_files.end(),
                                    [&](const ExtractionFile& file) { return file.bareName == bareName; });
    if (found == m_files.end())
        return std::nullopt;
    return std::size_t(found - m_files.begin());
}

void BookExtraction::waitAll()
{
    release();
    std::unique_lock lock(m_mutex);
    m_settled.wait(lock, [&] { return m_done; });
}

bool BookExtraction::finished() const
{
    std::lock_guard lock(m_mutex);
    return m_done;
}

std::size_t BookExtraction::settledCount() const
{
    std::lock_guard lock(m_mutex);
    return m_settledCount;
}

bool BookExtraction::stoppedEarly() const
{
    std::lock_guard lock(m_mutex);
    return m_stopped;
}

Messages BookExtraction::takeMessages()
{
    std::lock_guard lock(m_mutex);
    const std::size_t upTo = SettledPrefix(m_states, m_byEntry, m_reported);
    Messages due;
    for (; m_reported < upTo; ++m_reported) {
        Messages& own = m_messages[m_byEntry[m_reported]];
        due.insert(due.end(), own.begin(), own.end());
        own.clear();
    }
    return due;
}

void BookExtraction::run()
{
    // The page shown is decoded and painted while the rest is written; neither may wait for the worker.
    LowerCurrentThreadPriority();
    const bool inOrder = m_inArchiveOrder;
    for (;;) {
        std::optional<std::size_t> next;
        {
            std::lock_guard lock(m_mutex);
            next = m_dir.isOpen() && !m_stopped ? NextFileToWrite(m_states, m_byEntry, m_order, inOrder) : std::nullopt;
        }
        if (!next || m_cancelled)
            break;
        const ExtractionFile& file = m_files[*next];
        FileResult result = m_writer->write(file, m_dir, kTempName, m_cancelled);
        if (m_cancelled) {
            m_dir.remove(kTempName);
            break;
        }
        if (result.written && !m_dir.rename(kTempName, file.bareName)) {
            m_dir.remove(kTempName);
            result.written = false;
        }
        {
            std::lock_guard lock(m_mutex);
            m_states[*next] = result.written ? FileWrite::Written : FileWrite::Failed;
            m_messages[*next] = std::move(result.messages);
            ++m_settledCount;
            m_stopped = result.stop;
        }
        m_settled.notify_all();
        if (m_notify)
            m_notify();
        std::unique_lock lock(m_mutex);
        m_wake.wait_for(lock, std::chrono::milliseconds(kLongestHoldMs), [this] { return !m_held || m_cancelled; });
        m_held = false;
    }
    {
        // Whatever was not written now never will be.
        std::lock_guard lock(m_mutex);
        for (FileWrite& s : m_states)
            if (s == FileWrite::Pending) {
                s = FileWrite::Failed;
                ++m_settledCount;
            }
        m_done = true;
    }
    m_writer.reset(); // its buffers and the open archive are of no use any more
    m_settled.notify_all();
    if (m_notify && !m_cancelled)
        m_notify();
}
