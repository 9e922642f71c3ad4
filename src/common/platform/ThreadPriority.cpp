// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/platform/ThreadPriority.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#elif defined(_WIN32)
#include <windows.h>
#endif

void LowerCurrentThreadPriority()
{
#if defined(__linux__)
    // On Linux a thread id names just that thread here, and a nice of 10 leaves it about a tenth of
    // the processor time the user-interface thread gets when both want it.
    (void)setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10);
#elif defined(_WIN32)
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
#endif
}
