// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/WakePipe.h"

#include <fcntl.h>
#include <unistd.h>

WakePipe::WakePipe(std::function<void()> onWake) : m_onWake(std::move(onWake))
{
    if (::pipe2(m_pipe, O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(m_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { drain(); });
}

WakePipe::~WakePipe()
{
    m_notifier.reset();
    for (int fd : m_pipe)
        if (fd >= 0)
            ::close(fd);
}

void WakePipe::notify() const
{
    const char wake = 1;
    if (m_pipe[1] >= 0)
        (void)!::write(m_pipe[1], &wake, 1);
}

void WakePipe::drain()
{
    char drained[256];
    while (::read(m_pipe[0], drained, sizeof drained) > 0) {}
    m_onWake();
}
