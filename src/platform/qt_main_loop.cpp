// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_main_loop.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace corvel {

namespace {

int toMilliseconds(Seconds delay)
{
    const double ms = std::ceil(std::max(0.0, delay.count()) * 1000.0);
    return ms > 2'000'000'000.0 ? 2'000'000'000 : static_cast<int>(ms);
}

} // namespace

QtMainLoop::QtMainLoop() = default;

QtMainLoop::~QtMainLoop() = default;

MainLoop::TimerId QtMainLoop::start(Seconds interval, bool repeating, const QObject *context, Task task)
{
    auto *timer = new QTimer(&m_owner);
    // Precise timers keep equal delays in the order they were given.
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(!repeating);
    timer->setInterval(toMilliseconds(interval));
    const TimerId id = m_nextId++;
    m_timers.emplace(id, timer);
    QObject::connect(timer, &QTimer::timeout, context, std::move(task));
    // The timer belongs to the loop, so that cancel() always finds it; it goes with its context.
    // NOLINTNEXTLINE(readability-suspicious-call-argument): the context is the sender here
    QObject::connect(context, &QObject::destroyed, timer, [this, id] { cancel(id); });
    if (!repeating)
        QObject::connect(timer, &QTimer::timeout, timer, [this, id] { cancel(id); });
    timer->start();
    return id;
}

MainLoop::TimerId QtMainLoop::after(Seconds delay, const QObject *context, Task task)
{
    return start(delay, false, context, std::move(task));
}

MainLoop::TimerId QtMainLoop::every(Seconds interval, const QObject *context, Task task)
{
    return start(interval, true, context, std::move(task));
}

void QtMainLoop::cancel(TimerId timer)
{
    const auto found = m_timers.find(timer);
    if (found == m_timers.end())
        return;
    found->second->stop();
    found->second->deleteLater();
    m_timers.erase(found);
}

Seconds QtMainLoop::now() const
{
    return steadyNow();
}

} // namespace corvel
