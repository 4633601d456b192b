#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string_view>

namespace corvel {

using Seconds = std::chrono::duration<double>;

// Everything in Corvel that waits goes through this interface, so that tests can run on virtual
// time. All callbacks run on the main thread, one at a time.
class MainLoop {
public:
    using Task = std::function<void()>;
    using TimerId = std::uint64_t;

    MainLoop() = default;
    MainLoop(const MainLoop &) = delete;
    MainLoop &operator=(const MainLoop &) = delete;
    virtual ~MainLoop() = default;

    // Runs the task once after the delay. Tasks given in turn with equal delays run in that order;
    // a zero delay runs it at the next pass of the loop, after the current work has finished.
    virtual void after(Seconds delay, Task task) = 0;

    // Like after(), but remembered under a key so that every pending perform of that key can be
    // dropped at once.
    virtual void perform(std::string_view key, Seconds delay, Task task) = 0;
    virtual void cancelPerforms(std::string_view key) = 0;

    // Runs the task every interval, the first time one interval from now, until stopped.
    virtual TimerId every(Seconds interval, Task task) = 0;
    virtual void stop(TimerId timer) = 0;

    // Monotonic time since an arbitrary origin.
    [[nodiscard]] virtual Seconds now() const = 0;
};

} // namespace corvel
