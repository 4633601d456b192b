// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

class QObject;

namespace corvel {

using Seconds = std::chrono::duration<double>;

// The program's monotonic clock: the Qt main loop's time, and the stamp of each arriving datagram.
[[nodiscard]] inline Seconds steadyNow()
{
    return std::chrono::steady_clock::now().time_since_epoch();
}

// Everything in Corvel that waits goes through this interface, so that tests can run on virtual
// time. All callbacks run on the main thread, one at a time. Each task belongs to a context object
// and is dropped when that object is destroyed, as a Qt connection would be.
class MainLoop {
public:
    using Task = std::function<void()>;
    using TimerId = std::uint64_t;
    static constexpr TimerId noTimer = 0;

    MainLoop() = default;
    MainLoop(const MainLoop &) = delete;
    MainLoop &operator=(const MainLoop &) = delete;
    virtual ~MainLoop() = default;

    // Runs the task once after the delay. Tasks given in turn with equal delays run in that order;
    // a zero delay runs it at the next pass of the loop, after the current work has finished.
    virtual TimerId after(Seconds delay, const QObject *context, Task task) = 0;

    // Runs the task every interval, the first time one interval from now, until cancelled.
    virtual TimerId every(Seconds interval, const QObject *context, Task task) = 0;

    // Drops the task if it has not run yet, or stops the repeating one. A task that has run, one
    // cancelled before and noTimer are ignored.
    virtual void cancel(TimerId timer) = 0;

    // Monotonic time since an arbitrary origin.
    [[nodiscard]] virtual Seconds now() const = 0;
};

} // namespace corvel
