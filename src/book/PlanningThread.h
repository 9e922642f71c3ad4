// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An archive's listing and planning run on a helper thread while the user-interface thread keeps
// answering: its directory can take seconds to read (a large rar is passed over entry by entry). The
// reader's choice of a book, when the folders branch, is asked back on the calling thread.

#include "book/ArchiveBook.h"
#include "book/archive/BookChooser.h"
#include "common/Message.h"

#include <functional>
#include <optional>

// Runs `done` checks until one says true, keeping the calling thread's events going meanwhile; false
// when the wait was given up (another book is being opened, or the program ends).
using WaitUntil = std::function<bool(const std::function<bool()>& done)>;

// Makes a plan, with the chooser it is given and into the messages it is given.
using MakePlan = std::function<std::optional<ArchiveBookPlan>(const BookChooser& chooser, Messages& messages)>;

struct PlanningResult {
    std::optional<ArchiveBookPlan> plan;
    bool givenUp = false; // `wait` gave up: nothing was decided, the helper's work is dropped
};

// Runs `makePlan` on a helper thread under `wait`; `chooser` (none: the whole archive) is asked on this
// thread. The messages found are added to `messages`, those found before a question before it is asked.
PlanningResult PlanOnHelperThread(MakePlan makePlan, const BookChooser& chooser, const WaitUntil& wait,
                                  Messages& messages);
