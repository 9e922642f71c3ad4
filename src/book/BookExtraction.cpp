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
    m_window = m_writer->pageWindow();
    if (m_window)
        m_stale.assign(m_files.size(), false);
    if (first && *first < m_files.size() && m_writer->inArchiveOrder() && m_writer->writesFirstAhead(m_files[*first]))
        m_order.ahead = first;
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
            m_idle = false;
        }
    }
    if (k != m_first) // waiting for the first file keeps the hold after it
        release();
    else if (m_window)
        m_wake.notify_all(); // a worker waiting for the reader to move
}

void BookExtraction::readingAt(std::size_t k)
{
    if (!m_window)
        return;
    {
        std::lock_guard lock(m_mutex);
        if (m_order.cursor == k)
            return;
        m_order.cursor = k;
        m_order.wanted.reset(); // a page wished for before the reader moved is no longer wanted
        m_idle = false;
    }
    m_wake.notify_all();
}

void BookExtraction::browsingAt(std::optional<std::size_t> k)
{
    if (!m_window)
        return;
    {
        std::lock_guard lock(m_mutex);
        if (m_browsed == k)
            return;
        m_browsed = k;
        m_idle = false;
    }
    m_wake.notify_all();
}

void BookExtraction::renderAgain(QSize box)
{
    if (!m_window)
        return;
    {
        std::lock_guard lock(m_mutex);
        ++m_generation;
        m_pageBox = box;
        for (std::size_t k = 0; k < m_window->pages && k < m_states.size(); ++k)
            m_stale[k] = m_states[k] == FileWrite::Written;
        m_idle = false;
    }
    m_wake.notify_all();
}

std::vector<std::size_t> BookExtraction::takeRewritten()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_rewritten, {});
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
    m_settled.wait(lock, [&] { return m_done || m_idle; });
}

bool BookExtraction::finished() const
{
    std::lock_guard lock(m_mutex);
    return m_done || m_idle;
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
    Messages due;
    if (m_window) {
        // Pages far from the reader may never be made: what was found is said at once.
        for (Messages& own : m_messages) {
            due.insert(due.end(), own.begin(), own.end());
            own.clear();
        }
        return due;
    }
    const std::size_t upTo = SettledPrefix(m_states, m_byEntry, m_reported);
    for (; m_reported < upTo; ++m_reported) {
        Messages& own = m_messages[m_byEntry[m_reported]];
        due.insert(due.end(), own.begin(), own.end());
        own.clear();
    }
    return due;
}

std::optional<std::size_t> BookExtraction::nextFile(bool inOrder)
{
    if (!m_dir.isOpen() || m_stopped)
        return std::nullopt;
    if (m_window)
        return NextFileInWindow(m_states, m_stale, m_order.cursor, m_order.wanted, *m_window, m_browsed);
    return NextFileToWrite(m_states, m_byEntry, m_order, inOrder);
}

void BookExtraction::evictPages()
{
    for (;;) {
        std::optional<std::size_t> k;
        {
            std::lock_guard lock(m_mutex);
            k = PageToEvict(m_states, m_stale, m_order.cursor, *m_window, m_browsed);
            if (!k)
                return;
            // Pending before the file goes: nobody reads it as written meanwhile.
            m_states[*k] = FileWrite::Pending;
            m_stale[*k] = false;
            --m_settledCount;
        }
        m_dir.remove(m_files[*k].bareName);
    }
}

void BookExtraction::run()
{
    // The page shown is decoded and painted while the rest is written; neither may wait for the worker.
    LowerCurrentThreadPriority();
    const bool inOrder = m_inArchiveOrder;
    for (;;) {
        std::optional<std::size_t> next;
        std::uint64_t generation = 0;
        std::optional<QSize> box;
        {
            std::unique_lock lock(m_mutex);
            next = nextFile(inOrder);
            generation = m_generation;
            if (next)
                box = std::exchange(m_pageBox, std::nullopt);
            if (!next && m_window && m_dir.isOpen() && !m_stopped && !m_cancelled) {
                // The window is done: wait for the reader to move, to want a page or to close.
                m_idle = true;
                lock.unlock();
                m_settled.notify_all();
                if (m_notify)
                    m_notify();
                lock.lock();
                m_wake.wait(lock, [this] { return !m_idle || m_cancelled; });
                continue;
            }
        }
        if (!next || m_cancelled)
            break;
        if (box)
            m_writer->setPageBox(*box); // the writer is the worker's alone
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
            // A page made again for a new view: its old file stays when the new one fails.
            const bool again = m_states[*next] == FileWrite::Written;
            if (again && result.written)
                m_rewritten.push_back(*next);
            if (!again)
                ++m_settledCount;
            m_states[*next] = result.written || again ? FileWrite::Written : FileWrite::Failed;
            if (m_window) {
                m_stale[*next] = result.written && generation != m_generation;
                if (m_order.wanted == next)
                    m_order.wanted.reset(); // once made, it may go like any page far from the reader
            }
            m_messages[*next] = std::move(result.messages);
            m_stopped = result.stop;
        }
        if (m_window)
            evictPages();
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
