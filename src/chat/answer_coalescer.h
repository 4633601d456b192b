// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/main_loop.h"

#include <QObject>

#include <optional>

namespace corvel {

// Many requests, one answer. The answer goes out after every request that it covers, so whoever
// asked hears it; it waits a short random delay, so that the copies on a LAN do not all answer in
// the same millisecond, and answers stay at least minInterval apart, so that a stream of requests
// makes at most one answer per interval.
class AnswerCoalescer : public QObject {
    Q_OBJECT
public:
    static constexpr Seconds minDelay{0.01};
    static constexpr Seconds maxDelay{0.09};
    static constexpr Seconds minInterval{0.5};

    explicit AnswerCoalescer(MainLoop &loop);

    void request();

Q_SIGNALS:
    // Time for the one answer that covers the requests so far.
    void answerDue();

private:
    void answer();

    MainLoop &m_loop;
    std::optional<Seconds> m_lastAnswer;
    bool m_pending = false;
};

} // namespace corvel
