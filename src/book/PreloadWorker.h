// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The background half of preloading: one worker thread that decodes one page file at a time into an
// image of its own and publishes it, under a lock, only once it is complete.
//
// Every request carries the generation it was made in. invalidate() starts a new generation, so a
// decode still running for an old page or an old book finishes unseen and its image is simply freed
// on the worker. The worker never reads the book, the page list or the settings: the user-interface
// thread hands it everything it needs.

#include "image/DecodePage.h"
#include "image/PageImage.h"

#include <QString>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

struct PreloadRequest {
    QString path; // the page file
    bool flipped = false;
    DecodeOptions options;
    std::int32_t pageIndex = 0; // which page it is, so a hand-over can check it still fits
    // The two-page view: the page after it, joined beside it unless either is wide (then the first
    // stands alone); the pair is turned whole when `flipped`.
    QString secondPath;
    bool rightToLeft = false;
    QSize fitWithin; // non-empty: the page or pair decoded fitted within this box, the view's (see DecodePage)
};

struct PreloadedPage {
    PreloadRequest request;
    PageImage image;
    std::int32_t pagesShown = 1; // 2 when `image` is the joined pair
    bool firstWide = false;
    bool secondWide = false; // known only when the first page is narrow
};

class PreloadWorker {
public:
    using Decoder = std::function<bool(PageImage&, const QString&, bool, const DecodeOptions&, QSize)>;

    // `decoder` is DecodePage unless a test passes its own.
    explicit PreloadWorker(Decoder decoder = {});
    ~PreloadWorker(); // waits for a running decode, then ends the thread
    PreloadWorker(const PreloadWorker&) = delete;
    PreloadWorker& operator=(const PreloadWorker&) = delete;

    // Replaces the decoder (tests: a slow or counting one; empty: DecodePage again). Waits for a
    // running decode first.
    void setDecoder(Decoder decoder);

    // Queues a decode in the current generation. A queued request not yet started is replaced, so at
    // most one decode runs and one waits.
    void submit(PreloadRequest request);

    // Forgets the queued request, the published page and whatever the running decode will produce.
    void invalidate();

    // The published page of the current generation, taken out of the worker; nothing when there is none.
    std::optional<PreloadedPage> take();

    // Blocks until no decode is queued or running.
    void waitIdle();

    bool idle() const;
    int decodesFinished() const; // decodes that ran to the end, published or not (for tests)

private:
    void run();

    Decoder m_decoder;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake; // the worker waits for a request or the end
    std::condition_variable m_idle; // waitIdle() waits for the worker to settle
    std::optional<PreloadRequest> m_queued;
    std::optional<PreloadedPage> m_published;
    std::uint64_t m_generation = 0;
    std::uint64_t m_queuedGeneration = 0;
    bool m_running = false;
    bool m_stopping = false;
    int m_decodesFinished = 0;
    std::thread m_thread; // started with the first request
};

// Decodes what `page.request` asks for into `page.image` (reusing its memory when it can): one page, or
// a pair joined side by side unless either page is wide (then the first stands alone). `decoder` is
// DecodePage when empty. False when a page could not be decoded.
bool DecodeRequested(PreloadedPage& page, const PreloadWorker::Decoder& decoder = {});
