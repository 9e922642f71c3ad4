#pragma once
// How the page is shown: stretched or not, flipped, zoom, full screen.

#include <cstdint>

struct ViewState {
    bool stretched = false;
    bool flipped = false;
    std::int32_t zoom = 0; // 0..100, added to 100 %
    bool fullscreen = false;
    bool rerenderPending = false;
    std::int32_t writtenPermille = -1; // while an archive book is written: how much of it (0..1000)
};
