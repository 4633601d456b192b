#pragma once

#include "platform/main_loop.h"

#include <QElapsedTimer>
#include <QObject>

#include <map>
#include <string>
#include <vector>

class QTimer;

namespace corvel {

// The program's main loop: Qt's event loop and its timers.
class QtMainLoop final : public MainLoop {
public:
    QtMainLoop();
    ~QtMainLoop() override;

    void after(Seconds delay, Task task) override;
    void perform(std::string_view key, Seconds delay, Task task) override;
    void cancelPerforms(std::string_view key) override;
    TimerId every(Seconds interval, Task task) override;
    void stop(TimerId timer) override;
    [[nodiscard]] Seconds now() const override;

private:
    QTimer *startTimer(Seconds interval, bool repeating, Task task);

    QObject m_owner; // parent of every timer, so that they die with the loop
    QElapsedTimer m_clock;
    std::map<std::string, std::vector<QTimer *>, std::less<>> m_performs;
    std::map<TimerId, QTimer *> m_repeating;
    TimerId m_nextId = 1;
};

} // namespace corvel
