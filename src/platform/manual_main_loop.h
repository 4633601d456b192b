// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/main_loop.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <tuple>

namespace corvel {

// A main loop on virtual time for tests and benchmarks: nothing runs until the owner advances
// the clock, and then everything falls due in order of due time, then order of scheduling. A task
// whose context is gone is dropped when it falls due.
class ManualMainLoop final : public MainLoop {
public:
    TimerId after(Seconds delay, const QObject *context, Task task) override;
    TimerId every(Seconds interval, const QObject *context, Task task) override;
    void cancel(TimerId timer) override;
    [[nodiscard]] Seconds now() const override { return m_now; }

    // Moves virtual time forward, running every task that falls due on the way, including tasks
    // that those tasks schedule. advance(Seconds(0)) runs what is due now: one "pass".
    void advance(Seconds span);
    void runPending() { advance(Seconds(0)); }

    // Both count only the tasks whose context is still there.
    [[nodiscard]] std::size_t repeatingTimers() const;
    [[nodiscard]] std::size_t pendingTasks() const;

private:
    struct Entry {
        Task task;
        QPointer<const QObject> context;
        TimerId id;
        bool repeating;
        Seconds interval;
    };
    using Slot = std::tuple<double, std::uint64_t>; // due time, order of scheduling

    TimerId schedule(Seconds delay, Entry entry);

    Seconds m_now{0};
    std::uint64_t m_sequence = 0;
    TimerId m_nextTimer = 1;
    std::map<Slot, Entry> m_queue;
};

} // namespace corvel
