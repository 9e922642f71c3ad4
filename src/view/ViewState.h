#pragma once
// How the page is shown: stretched or not, flipped, zoom, full screen.

#include <cstdint>

struct ViewState {
    bool stretched = false;
    bool flipped = false;
    // The page turned by quarter turns clockwise (0..3), on top of `flipped`; kept while the book is
    // open, back to 0 for the next book.
    std::int32_t quarterTurns = 0;
    std::int32_t zoom = 0; // 0..100, added to 100 %
    bool fullscreen = false;
    bool rerenderPending = false;
    std::int32_t writtenPermille = -1; // while an archive book is written: how much of it (0..1000)
};
