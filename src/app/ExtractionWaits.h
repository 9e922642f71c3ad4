// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// While an archive book is still being written: the turn and the preload waiting for a page, and the
// receiver of the worker's wake-ups (ExtractionProgress).

#include <cstdint>
#include <memory>

class ExtractionReceiver;

struct ExtractionWaits {
    // Made with the first notifier; a queued call goes with it. Shared only so that this record needs no
    // more than the receiver's name.
    std::shared_ptr<ExtractionReceiver> receiver;
    std::int32_t page = -1;    // the page turned to that isn't written yet; -1: none
    bool forward = false;      // that turn was one page forward
    std::int32_t preload = -1; // the page to preload once it is written; -1: none
    std::int32_t comicInfo = -1; // the file ComicInfo.xml, read once it is written; -1: none
    bool showingMessages = false;
    // Counts the openings begun: the wait of an opening that another one followed gives up.
    std::uint32_t opening = 0;
    bool pageWritten = false; // a page of the book is written: what the files say is shown as it comes
};
