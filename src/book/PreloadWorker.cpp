// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/PreloadWorker.h"

#include "common/platform/ThreadPriority.h"
#include "image/PairImage.h"
#include "image/ReducePage.h"

namespace {
PreloadWorker::Decoder orDecodePage(PreloadWorker::Decoder decoder)
{
    if (decoder)
        return decoder;
    return [](PageImage& record, const QString& path, bool flipped, const DecodeOptions& options, QSize fitWithin) {
        return DecodePage(record, path, flipped, options, fitWithin);
    };
}
} // namespace

// A pair is decoded upright, joined and then turned whole, so its pages trade sides when flipped. Fitted
// for the view, each page is decoded within the whole view (it is shown no larger beside the other) and
// the joined pair is then reduced to fit, as the view's smooth copy would be.
bool DecodeRequested(PreloadedPage& page, const PreloadWorker::Decoder& decoder)
{
    const PreloadWorker::Decoder decode = orDecodePage(decoder);
    const PreloadRequest& request = page.request;
    page.pagesShown = 1;
    if (request.secondPath.isEmpty()) {
        const bool decoded = decode(page.image, request.path, request.flipped, request.options, request.fitWithin);
        page.firstWide = IsWidePage(page.image);
        return decoded;
    }
    if (!decode(page.image, request.path, false, request.options, request.fitWithin))
        return false;
    page.firstWide = IsWidePage(page.image);
    if (!page.firstWide) {
        PageImage second;
        if (!decode(second, request.secondPath, false, request.options, request.fitWithin))
            return false;
        page.secondWide = IsWidePage(second);
        if (!page.secondWide) {
            const bool pagesReduced = page.image.reduced || second.reduced;
            JoinPair(page.image, second, request.rightToLeft);
            if (!ReducePageWithin(page.image, request.fitWithin))
                return false;
            page.image.reduced = page.image.reduced || pagesReduced;
            page.pagesShown = 2;
        }
    }
    if (request.flipped)
        TurnHalfway(page.image);
    return true;
}

PreloadWorker::PreloadWorker(Decoder decoder) : m_decoder(orDecodePage(std::move(decoder))) {}

PreloadWorker::~PreloadWorker()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_queued.reset();
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void PreloadWorker::setDecoder(Decoder decoder)
{
    waitIdle();
    std::lock_guard lock(m_mutex);
    m_decoder = orDecodePage(std::move(decoder));
}

void PreloadWorker::submit(PreloadRequest request)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_stopping)
            return;
        m_queued = std::move(request);
        m_queuedGeneration = m_generation;
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_wake.notify_one();
}

void PreloadWorker::invalidate()
{
    std::optional<PreloadedPage> dropped;
    {
        std::lock_guard lock(m_mutex);
        ++m_generation;
        m_queued.reset();
        dropped = std::move(m_published);
        m_published.reset();
    }
    m_idle.notify_all(); // a waiter may now see nothing queued
    // `dropped` frees its pixels here, outside the lock.
}

std::optional<PreloadedPage> PreloadWorker::take()
{
    std::lock_guard lock(m_mutex);
    std::optional<PreloadedPage> page = std::move(m_published);
    m_published.reset();
    return page;
}

void PreloadWorker::waitIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_running && !m_queued; });
}

bool PreloadWorker::idle() const
{
    std::lock_guard lock(m_mutex);
    return !m_running && !m_queued;
}

int PreloadWorker::decodesFinished() const
{
    std::lock_guard lock(m_mutex);
    return m_decodesFinished;
}

void PreloadWorker::run()
{
    // The decode may take its time (the reader pauses for seconds), but never the reader's scrolling.
    LowerCurrentThreadPriority();
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || m_queued.has_value(); });
        if (m_stopping)
            break;
        PreloadedPage page{std::move(*m_queued), {}, 1, false, false};
        const Decoder decode = m_decoder;
        const std::uint64_t generation = m_queuedGeneration;
        m_queued.reset();
        m_running = true;
        lock.unlock();

        // The image is the worker's own until it is published, so the decode needs no lock.
        const bool decoded = DecodeRequested(page, decode);

        lock.lock();
        m_running = false;
        ++m_decodesFinished;
        if (decoded && generation == m_generation && !m_stopping) {
            m_published = std::move(page);
        } else {
            // A stale or failed page is freed without the lock held.
            lock.unlock();
            page = {};
            lock.lock();
        }
        m_idle.notify_all();
    }
    m_idle.notify_all();
}
