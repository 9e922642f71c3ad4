// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/PlanningThread.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

namespace {
// Shared by the helper and the calling thread; the helper may outlive an opening that was given up.
struct Planning {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    bool givenUp = false;
    std::optional<ArchiveBookPlan> plan;
    Messages messages; // the helper's; read by the caller only while the helper waits or is done
    std::optional<BookTree> question;
    ArchiveFamily family = ArchiveFamily::Zip;
    std::optional<QStringList> answer;
};
} // namespace

PlanningResult PlanOnHelperThread(MakePlan makePlan, const BookChooser& chooser, const WaitUntil& wait,
                                  Messages& messages)
{
    auto planning = std::make_shared<Planning>();
    BookChooser ask;
    if (chooser) {
        ask = [planning](const BookTree& tree, ArchiveFamily family) {
            std::unique_lock lock(planning->mutex);
            if (planning->givenUp)
                return QStringList();
            planning->question = tree;
            planning->family = family;
            planning->answer.reset();
            planning->answered.wait(lock, [&] { return planning->answer || planning->givenUp; });
            return planning->answer.value_or(QStringList());
        };
    }
    // Detached: a listing given up is not waited for, and whatever it planned is dropped on its own
    // thread. It writes nothing.
    std::thread([planning, makePlan = std::move(makePlan), ask = std::move(ask)] {
        std::optional<ArchiveBookPlan> plan = makePlan(ask, planning->messages);
        std::lock_guard lock(planning->mutex);
        planning->plan = std::move(plan);
        planning->done = true;
    }).detach();

    for (;;) {
        const bool waited = wait([&] {
            std::lock_guard lock(planning->mutex);
            return planning->done || planning->question.has_value();
        });
        std::unique_lock lock(planning->mutex);
        if (!waited) {
            planning->givenUp = true;
            planning->answered.notify_all();
            return {std::nullopt, true};
        }
        messages.insert(messages.end(), planning->messages.begin(), planning->messages.end());
        planning->messages.clear();
        if (planning->done)
            return {std::move(planning->plan), false};
        if (!planning->question)
            continue;
        const BookTree tree = std::move(*planning->question);
        planning->question.reset();
        const ArchiveFamily family = planning->family;
        lock.unlock();
        QStringList answer = chooser(tree, family); // a dialog: its own events go on
        lock.lock();
        planning->answer = std::move(answer);
        planning->answered.notify_all();
    }
}
