// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Held keys: a key that repeats faster than its command runs (a page turn that decodes) would pile up
// repeats and keep turning long after the key is let go. Repeats that were generated while the
// previous command was still running are dropped instead, so the commands keep pace with the key
// and stop with it.

#include <cstdint>

class KeyRepeatThrottle {
public:
    // Whether a key press stamped `eventTime` (ms, the window system's clock) should be dropped.
    // Only repeats are ever dropped.
    bool drop(std::uint64_t eventTime, bool autoRepeat) const;

    // A command for the press stamped `eventTime` has run and took `tookMs`.
    void ran(std::uint64_t eventTime, std::int64_t tookMs);

private:
    std::uint64_t m_busyUntil = 0; // in the window system's clock
};
