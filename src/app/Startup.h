// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole run: start-up in order, the event loop, and its exit code (0 when start-up fails).
int RunBullevista(int argc, char** argv);
