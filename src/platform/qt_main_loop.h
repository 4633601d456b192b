// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/main_loop.h"

#include <QObject>

#include <map>

class QTimer;

namespace corvel {

// The program's main loop: Qt's event loop and its timers.
class QtMainLoop final : public MainLoop {
public:
    QtMainLoop();
    ~QtMainLoop() override;

    TimerId after(Seconds delay, const QObject *context, Task task) override;
    TimerId every(Seconds interval, const QObject *context, Task task) override;
    void cancel(TimerId timer) override;
    [[nodiscard]] Seconds now() const override;

private:
    TimerId start(Seconds interval, bool repeating, const QObject *context, Task task);

    QObject m_owner; // parent of every timer, so that they die with the loop
    std::map<TimerId, QTimer *> m_timers;
    TimerId m_nextId = 1;
};

} // namespace corvel
