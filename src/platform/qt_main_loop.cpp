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

QtMainLoop::QtMainLoop()
{
    m_clock.start();
}

QtMainLoop::~QtMainLoop() = default;

QTimer *QtMainLoop::startTimer(Seconds interval, bool repeating, Task task)
{
    auto *timer = new QTimer(&m_owner);
    // Precise timers keep equal delays in the order they were given.
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(!repeating);
    timer->setInterval(toMilliseconds(interval));
    QObject::connect(timer, &QTimer::timeout, timer, std::move(task));
    timer->start();
    return timer;
}

void QtMainLoop::after(Seconds delay, Task task)
{
    QTimer *timer = startTimer(delay, false, std::move(task));
    QObject::connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
}

void QtMainLoop::perform(std::string_view key, Seconds delay, Task task)
{
    auto &pending = m_performs[std::string(key)];
    QTimer *timer = startTimer(delay, false, std::move(task));
    QObject::connect(timer, &QTimer::timeout, timer, [this, timer, name = std::string(key)] {
        auto &list = m_performs[name];
        list.erase(std::remove(list.begin(), list.end(), timer), list.end());
        timer->deleteLater();
    });
    pending.push_back(timer);
}

void QtMainLoop::cancelPerforms(std::string_view key)
{
    const auto found = m_performs.find(key);
    if (found == m_performs.end())
        return;
    for (QTimer *timer : found->second) {
        timer->stop();
        timer->deleteLater();
    }
    found->second.clear();
}

MainLoop::TimerId QtMainLoop::every(Seconds interval, Task task)
{
    const TimerId id = m_nextId++;
    m_repeating[id] = startTimer(interval, true, std::move(task));
    return id;
}

void QtMainLoop::stop(TimerId timer)
{
    const auto found = m_repeating.find(timer);
    if (found == m_repeating.end())
        return;
    found->second->stop();
    found->second->deleteLater();
    m_repeating.erase(found);
}

Seconds QtMainLoop::now() const
{
    return Seconds(static_cast<double>(m_clock.nsecsElapsed()) / 1e9);
}

} // namespace corvel
