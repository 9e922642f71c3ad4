// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing an archive book's files into WorkDir on one worker thread while the reader reads.
//
// The book's page list is made from the archive's directory before anything is written; files 0..n-1
// of an extraction are its pages in reading order, the other files (an info.bdi) follow. The worker
// writes the page shown first, then the pages after it, then the ones before; a page the reader turns
// to goes to the front. Each file is written under a temporary name and renamed when whole, so a page's
// name never holds half a page. The states of the files, the reader's wish and the messages are shared
// under one mutex; the worker reports each settled file through `notify`, which runs on the worker
// thread and must only post to the user-interface thread.

#include "book/ExtractionOrder.h"
#include "book/PageWindow.h"
#include "common/Message.h"
#include "common/platform/DirectoryHandle.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// What the archive's directory already says against an entry: no password is ever asked for, and a
// method no reader here knows gives no page.
enum class EntryTrouble : std::uint8_t { None, Encrypted, UnknownMethod };

struct ExtractionFile {
    QByteArray bareName;   // its name in WorkDir, as the file system spells it
    std::size_t entry = 0; // its place in the archive: messages are shown in this order
    QString path;          // its path inside the archive, which orders the pages folder by folder
    EntryTrouble trouble = EntryTrouble::None;
};

struct FileResult {
    bool written = false;
    bool stop = false; // nothing more can be written: the disk is full, or the archive can't be read on
    Messages messages; // each naming the entry it concerns
};

// Writes single files of one archive; made on the user-interface thread, then used only by the worker.
class ArchiveFileWriter {
public:
    virtual ~ArchiveFileWriter() = default;
    // Writes `file` to `tempName` in the folder `dir`; a file that isn't whole is removed. Gives up
    // soon after `cancelled` is set.
    virtual FileResult write(const ExtractionFile& file, const DirectoryHandle& dir, const QByteArray& tempName,
                             const std::atomic<bool>& cancelled) = 0;
    // True when the files can only be written in the archive's order (a rar archive).
    virtual bool inArchiveOrder() const { return false; }
    // For pages made on demand: only a window around the page read is written and kept, and the worker
    // waits for the reader rather than ending when it is done. Nothing: every file is written once.
    virtual std::optional<PageWindow> pageWindow() const { return std::nullopt; }
    // The box the pages made from now on fit (device pixels; a height of 0 fits the width).
    virtual void setPageBox(QSize) {}
    // True when, in the archive's order, `first` (the page shown first) may still be written before the
    // others: passing over the entries before it costs next to nothing (a tar file seeks past their data,
    // a 7z passes over whole folders when `first` starts one).
    virtual bool writesFirstAhead(const ExtractionFile& /*first*/) const { return false; }
};

class BookExtraction {
public:
    using Notify = std::function<void()>;

    // Starts the worker at file `first`; without one the files are written in the archive's order. With
    // `holdAfterFirst` the worker waits after that file until release() (the page is on screen), a wish
    // or a wait, but no longer than kLongestHold: the first page is decoded and painted undisturbed.
    BookExtraction(const QString& workDir, std::vector<ExtractionFile> files, std::unique_ptr<ArchiveFileWriter> writer,
                   std::optional<std::size_t> first, Notify notify, bool holdAfterFirst = false);
    static constexpr int kLongestHoldMs = 500;
    ~BookExtraction(); // cancels
    BookExtraction(const BookExtraction&) = delete;
    BookExtraction& operator=(const BookExtraction&) = delete;

    // Stops the worker between two copy steps and waits for it; what is not written stays unwritten.
    void cancel();
    // Lets a worker held after its first file go on.
    void release();
    // Moves file `k` to the front; the files after it follow.
    void prioritise(std::size_t k);
    // The reader is at page `k`: a book with a page window makes its pages around it (nothing for the
    // others, whose files are all written anyway).
    void readingAt(std::size_t k);
    // A book with a page window: every page written so far was made for a view that changed; the pages
    // are made for `box` from now on. Each is made again once the window reaches it, the page read
    // first; its old file serves until then.
    void renderAgain(QSize box);
    // The page overview's selection (nothing: it closed): a book with a page window makes the pages near
    // it once its window is done, for their thumbnails.
    void browsingAt(std::optional<std::size_t> k);
    // The pages written again since the last call (their old file was shown), for the reader to take up.
    std::vector<std::size_t> takeRewritten();
    FileWrite state(std::size_t k) const;
    // Blocks until file `k` is settled; true when it was written.
    bool waitFor(std::size_t k);
    // The same for the file written under `bareName`; false when the book has none.
    bool waitForNamed(const QByteArray& bareName);
    // The number of the file written under `bareName`; nothing when the book has none.
    std::optional<std::size_t> fileNamed(const QByteArray& bareName) const;
    // Blocks until every file is settled (a book with a page window: every file of its window).
    void waitAll();
    bool finished() const;
    // Files settled, for the progress indicator.
    std::size_t settledCount() const;
    std::size_t fileCount() const { return m_files.size(); }
    // Pages made on demand around the page read: the book is never written whole.
    bool windowed() const { return m_window.has_value(); }
    // The messages whose turn has come (every file before theirs in the archive is settled), each once.
    Messages takeMessages();
    bool stoppedEarly() const; // a file stopped the worker (the disk filled)

private:
    void run();
    std::optional<std::size_t> nextFile(bool inOrder);
    void evictPages();

    const std::vector<ExtractionFile> m_files;
    std::unique_ptr<ArchiveFileWriter> m_writer;
    Notify m_notify;
    DirectoryHandle m_dir;
    std::vector<std::size_t> m_byEntry; // file numbers in the archive's order

    mutable std::mutex m_mutex;
    std::condition_variable m_settled;
    std::vector<FileWrite> m_states;
    std::vector<Messages> m_messages; // per file
    WriteOrder m_order;
    std::size_t m_first = 0;
    bool m_inArchiveOrder = false;
    std::size_t m_settledCount = 0;
    std::size_t m_reported = 0; // of m_byEntry
    bool m_done = false;
    bool m_held = false;
    std::condition_variable m_wake; // a held worker waits here
    bool m_stopped = false;
    std::atomic<bool> m_cancelled{false};
    // A book with a page window: its window, the pages made for an older view, those written again, and
    // whether the worker has nothing to do until the reader moves.
    std::optional<PageWindow> m_window;
    std::vector<bool> m_stale;
    std::vector<std::size_t> m_rewritten;
    std::uint64_t m_generation = 0; // views so far: a page made while it changed is stale at once
    std::optional<QSize> m_pageBox;
    std::optional<std::size_t> m_browsed; // the view's box, handed to the writer by the worker
    bool m_idle = false;
    std::thread m_thread;
};
