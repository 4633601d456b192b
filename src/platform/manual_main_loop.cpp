// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/manual_main_loop.h"

#include <algorithm>

namespace corvel {

MainLoop::TimerId ManualMainLoop::schedule(Seconds delay, Entry entry)
{
    const TimerId id = entry.id;
    m_queue.emplace(Slot{(m_now + std::max(delay, Seconds(0))).count(), m_sequence++}, std::move(entry));
    return id;
}

MainLoop::TimerId ManualMainLoop::after(Seconds delay, const QObject *context, Task task)
{
    return schedule(delay, Entry{std::move(task), context, m_nextTimer++, false, delay});
}

MainLoop::TimerId ManualMainLoop::every(Seconds interval, const QObject *context, Task task)
{
    return schedule(interval, Entry{std::move(task), context, m_nextTimer++, true, interval});
}

void ManualMainLoop::cancel(TimerId timer)
{
    std::erase_if(m_queue, [timer](const auto &slot) { return slot.second.id == timer; });
}

void ManualMainLoop::advance(Seconds span)
{
    const Seconds end = m_now + span;
    while (!m_queue.empty() && std::get<0>(m_queue.begin()->first) <= end.count()) {
        auto node = m_queue.extract(m_queue.begin());
        m_now = std::max(m_now, Seconds(std::get<0>(node.key())));
        Entry &entry = node.mapped();
        if (entry.context.isNull())
            continue;
        // Re-arm before the tick so that the tick may stop its own timer.
        if (entry.repeating)
            schedule(entry.interval, entry);
        entry.task();
    }
    m_now = std::max(m_now, end);
}

std::size_t ManualMainLoop::repeatingTimers() const
{
    return static_cast<std::size_t>(std::count_if(m_queue.begin(), m_queue.end(), [](const auto &slot) {
        return slot.second.repeating && !slot.second.context.isNull();
    }));
}

std::size_t ManualMainLoop::pendingTasks() const
{
    return static_cast<std::size_t>(
        std::count_if(m_queue.begin(), m_queue.end(), [](const auto &slot) { return !slot.second.context.isNull(); }));
}

} // namespace corvel
