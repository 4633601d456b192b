#pragma once

#include "platform/main_loop.h"

#include <map>
#include <string>
#include <tuple>

namespace corvel {

// A main loop on virtual time for tests and benchmarks: nothing runs until the owner advances
// the clock, and then everything falls due in order of due time, then order of scheduling.
class ManualMainLoop final : public MainLoop {
public:
    void after(Seconds delay, Task task) override;
    void perform(std::string_view key, Seconds delay, Task task) override;
    void cancelPerforms(std::string_view key) override;
    TimerId every(Seconds interval, Task task) override;
    void stop(TimerId timer) override;
    [[nodiscard]] Seconds now() const override { return m_now; }

    // Moves virtual time forward, running every task that falls due on the way, including tasks
    // that those tasks schedule. advance(Seconds(0)) runs what is due now: one "pass".
    void advance(Seconds span);
    void runPending() { advance(Seconds(0)); }

    [[nodiscard]] std::size_t pendingPerforms(std::string_view key) const;
    [[nodiscard]] std::size_t repeatingTimers() const;
    [[nodiscard]] std::size_t pendingTasks() const { return m_queue.size(); }

private:
    struct Entry {
        Task task;
        std::string performKey;  // empty when not a keyed perform
        TimerId repeatingId = 0; // non-zero for a repeating timer's next tick
        Seconds interval{};
    };
    using Slot = std::tuple<double, std::uint64_t>; // due time, order of scheduling

    void schedule(Seconds due, Entry entry);

    Seconds m_now{0};
    std::uint64_t m_sequence = 0;
    TimerId m_nextTimer = 1;
    std::map<Slot, Entry> m_queue;
};

} // namespace corvel
