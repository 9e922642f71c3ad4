// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KeyRepeat.h"

bool KeyRepeatThrottle::drop(std::uint64_t eventTime, bool autoRepeat) const
{
    return autoRepeat && eventTime < m_busyUntil;
}

void KeyRepeatThrottle::ran(std::uint64_t eventTime, std::int64_t tookMs)
{
    m_busyUntil = eventTime + std::uint64_t(tookMs > 0 ? tookMs : 0);
}
