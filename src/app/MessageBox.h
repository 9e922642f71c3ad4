// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's message box, where ShowMessage goes in the running program (RunBullevista installs it).

#include "common/ShowMessage.h"

// Shows `message` in a modal box with one OK button, over its owner when it has one.
void ShowMessageBox(const ShownMessage& message);
