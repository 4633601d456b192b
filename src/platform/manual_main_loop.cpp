#include "platform/manual_main_loop.h"

#include <algorithm>
#include <iterator>

namespace corvel {

void ManualMainLoop::schedule(Seconds due, Entry entry)
{
    m_queue.emplace(Slot{due.count(), m_sequence++}, std::move(entry));
}

void ManualMainLoop::after(Seconds delay, Task task)
{
    schedule(m_now + std::max(delay, Seconds(0)), Entry{std::move(task), {}, 0, {}});
}

void ManualMainLoop::perform(std::string_view key, Seconds delay, Task task)
{
    schedule(m_now + std::max(delay, Seconds(0)), Entry{std::move(task), std::string(key), 0, {}});
}

void ManualMainLoop::cancelPerforms(std::string_view key)
{
    std::erase_if(m_queue, [key](const auto &slot) { return slot.second.performKey == key; });
}

MainLoop::TimerId ManualMainLoop::every(Seconds interval, Task task)
{
    const TimerId id = m_nextTimer++;
    schedule(m_now + interval, Entry{std::move(task), {}, id, interval});
    return id;
}

void ManualMainLoop::stop(TimerId timer)
{
    std::erase_if(m_queue, [timer](const auto &slot) { return slot.second.repeatingId == timer; });
}

void ManualMainLoop::advance(Seconds span)
{
    const Seconds end = m_now + span;
    while (!m_queue.empty() && std::get<0>(m_queue.begin()->first) <= end.count()) {
        auto node = m_queue.extract(m_queue.begin());
        m_now = std::max(m_now, Seconds(std::get<0>(node.key())));
        Entry &entry = node.mapped();
        if (entry.repeatingId != 0) {
            // Re-arm before the tick so that the tick may stop its own timer.
            Entry next{entry.task, {}, entry.repeatingId, entry.interval};
            schedule(m_now + entry.interval, std::move(next));
        }
        entry.task();
    }
    m_now = std::max(m_now, end);
}

std::size_t ManualMainLoop::pendingPerforms(std::string_view key) const
{
    return static_cast<std::size_t>(std::count_if(m_queue.begin(), m_queue.end(),
                                                  [key](const auto &slot) { return slot.second.performKey == key; }));
}

std::size_t ManualMainLoop::repeatingTimers() const
{
    return static_cast<std::size_t>(
        std::count_if(m_queue.begin(), m_queue.end(), [](const auto &slot) { return slot.second.repeatingId != 0; }));
}

} // namespace corvel
