// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/main_loop.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <deque>

namespace corvel {

// The texts this copy has just broadcast, each waiting for its echo. An arriving line is the
// copy's own only when it is exactly such a text and arrived (was taken off the socket) within the
// window after the send; each send claims one arrival. Timing alone would take anybody's line for
// ours, and names prove nothing. When it is handled plays no part: a backlog of seconds must not
// turn the own echo into somebody else's line.
class OwnLines {
public:
    OwnLines(MainLoop &loop, Seconds window) : m_loop(loop), m_window(window) {}

    // Called once the text has gone out.
    void expect(const QString &text);
    // True, once per send, when the text is an own line that arrived within its window.
    [[nodiscard]] bool claim(const QString &text, Seconds arrived);
    // The texts whose window has closed with no echo: forgotten here, for the caller to tell.
    [[nodiscard]] QStringList takeUnconfirmed();

private:
    struct Pending {
        Seconds sent;
        QString text;
    };

    // Sends whose echo is lost are forgotten once arrivals are later than their window, or when
    // this many wait.
    static constexpr std::size_t capacity = 256;

    MainLoop &m_loop;
    Seconds m_window;
    std::deque<Pending> m_pending; // oldest first
};

} // namespace corvel
