// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/ThumbnailWorker.h"

#include "book/ThumbnailCache.h"

#include <QSaveFile>

#include <algorithm>
#include <chrono>

std::optional<std::size_t> NextThumbnail(const std::vector<ThumbState>& states, std::size_t focus,
                                         const std::function<bool(std::size_t)>& ready)
{
    const std::size_t count = states.size();
    auto wanted = [&](std::size_t k) { return states[k] == ThumbState::Waiting && (!ready || ready(k)); };
    for (std::size_t distance = 0; distance < count; ++distance) {
        if (focus + distance < count && wanted(focus + distance))
            return focus + distance;
        if (distance > 0 && distance <= focus && wanted(focus - distance))
            return focus - distance;
    }
    return std::nullopt;
}

ThumbnailWorker::ThumbnailWorker(ThumbnailJob job, Notify notify)
    : m_job(std::move(job)), m_notify(std::move(notify)), m_states(m_job.pages.size(), ThumbState::Waiting),
      m_images(m_job.pages.size())
{
    m_focus = std::size_t(std::max(0, m_job.focus));
    // Two pages decode at once, on two cores; a job of one page (a cover) needs one thread.
    const int threads = m_job.pages.size() > 1 ? 2 : 1;
    m_working = threads;
    for (int k = 0; k < threads; ++k)
        m_threads.emplace_back([this, k] { run(k == 0); });
}

ThumbnailWorker::~ThumbnailWorker()
{
    stop();
}

void ThumbnailWorker::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    for (std::thread& thread : m_threads)
        if (thread.joinable())
            thread.join();
}

void ThumbnailWorker::setFocus(std::int32_t page)
{
    {
        const std::lock_guard lock(m_mutex);
        m_focus = std::size_t(std::max(0, page));
    }
    m_wake.notify_all();
}

void ThumbnailWorker::pagesProgressed()
{
    m_wake.notify_all();
}

ThumbState ThumbnailWorker::state(std::int32_t page) const
{
    const std::lock_guard lock(m_mutex);
    return page >= 0 && std::size_t(page) < m_states.size() ? m_states[std::size_t(page)] : ThumbState::Failed;
}

QImage ThumbnailWorker::thumbnail(std::int32_t page) const
{
    const std::lock_guard lock(m_mutex);
    return page >= 0 && std::size_t(page) < m_images.size() ? m_images[std::size_t(page)] : QImage();
}

bool ThumbnailWorker::finished() const
{
    const std::lock_guard lock(m_mutex);
    return m_done;
}

QImage ThumbnailWorker::make(std::size_t page)
{
    const QString cached = m_job.folder.isEmpty() ? QString() : ThumbnailFile(m_job.folder, std::int32_t(page));
    if (!cached.isEmpty()) {
        QImage kept(cached, "PNG");
        if (!kept.isNull())
            return kept.convertToFormat(QImage::Format_RGB32);
    }
    PageImage record;
    if (!DecodePage(record, m_job.pages[page], false, m_job.options, QSize(kThumbnailSize, kThumbnailSize)))
        return {};
    QImage image = record.pixels.copy(); // its own pixels, not the decoder's memory
    if (!cached.isEmpty()) {
        QSaveFile file(cached);
        if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG"))
            file.commit();
    }
    return image;
}

void ThumbnailWorker::run(bool preparesFolder)
{
    if (preparesFolder) {
        if (!m_job.folder.isEmpty() && PrepareThumbnailFolder(m_job.folder, m_job.bookPath, kThumbnailSize))
            PruneThumbnailRoot(m_job.root, kThumbnailCacheBytes,
                               m_job.folder.section(u'/', -2, -2)); // the folder's own name
        const std::lock_guard lock(m_mutex);
        m_prepared = true;
        m_wake.notify_all();
    }
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return m_prepared || m_stop; });
    while (!m_stop) {
        const std::optional<std::size_t> next = NextThumbnail(m_states, m_focus, m_job.written);
        if (!next) {
            if (std::find(m_states.begin(), m_states.end(), ThumbState::Waiting) == m_states.end())
                break;
            // A page still being extracted: look again when told, or soon in any case.
            m_wake.wait_for(lock, std::chrono::milliseconds(200));
            continue;
        }
        m_states[*next] = ThumbState::Making; // the other thread leaves it
        lock.unlock();
        QImage image = make(*next);
        lock.lock();
        m_states[*next] = image.isNull() ? ThumbState::Failed : ThumbState::Made;
        m_images[*next] = std::move(image);
        lock.unlock();
        if (m_notify)
            m_notify();
        lock.lock();
    }
    if (--m_working == 0)
        m_done = true;
}
