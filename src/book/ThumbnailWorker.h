// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thumbnails of one book's pages, made on two worker threads: the page nearest to the one in focus
// first, each read from the book's thumbnail folder when it is there, otherwise decoded at a reduced
// size and written there. A page still being extracted is left until it is written (never read
// before). The worker reports each thumbnail through `notify`, which runs on the worker thread and
// must only post to the user-interface thread.

#include "image/DecodePage.h"

#include <QImage>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

struct ThumbnailJob {
    std::vector<QString> pages; // the page files, in reading order
    QString bookPath;           // the book file (or folder) the thumbnail folder is stamped with
    QString folder;             // the book's thumbnail folder, ending in "/"; empty: nothing kept
    QString root;               // the thumbnail root, pruned to its size once the folder is ready
    DecodeOptions options;
    std::int32_t focus = 0;
    // Whether page k is written; called on the worker thread, so it must be safe there. Empty: all are.
    std::function<bool(std::size_t)> written;
};

enum class ThumbState : std::uint8_t { Waiting, Making, Made, Failed };

// The page to make next: the one not made yet nearest to `focus` (after it before before it at the
// same distance) among those `ready`; none when no waiting page is ready.
std::optional<std::size_t> NextThumbnail(const std::vector<ThumbState>& states, std::size_t focus,
                                         const std::function<bool(std::size_t)>& ready);

class ThumbnailWorker {
public:
    using Notify = std::function<void()>;
    ThumbnailWorker(ThumbnailJob job, Notify notify);
    ~ThumbnailWorker(); // stops
    ThumbnailWorker(const ThumbnailWorker&) = delete;
    ThumbnailWorker& operator=(const ThumbnailWorker&) = delete;

    // Stops after the thumbnails being made and waits for the threads.
    void stop();
    // The pages nearest to `page` come next.
    void setFocus(std::int32_t page);
    // A page may have been written meanwhile: a worker waiting for one looks again.
    void pagesProgressed();

    std::size_t pageCount() const { return m_states.size(); }
    ThumbState state(std::int32_t page) const;
    // The thumbnail of `page`; null while it isn't made (or failed).
    QImage thumbnail(std::int32_t page) const;
    bool finished() const;

private:
    void run(bool preparesFolder);
    QImage make(std::size_t page);

    const ThumbnailJob m_job;
    Notify m_notify;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<ThumbState> m_states;
    std::vector<QImage> m_images;
    std::size_t m_focus = 0;
    bool m_stop = false;
    bool m_prepared = false; // the thumbnail folder is ready for the threads to read and write
    int m_working = 0;       // threads still making thumbnails
    bool m_done = false;
    std::vector<std::thread> m_threads;
};
