// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Background work that must never delay the user-interface thread runs at a lower priority.

// Lowers the priority of the calling thread only (not the process).
void LowerCurrentThreadPriority();
