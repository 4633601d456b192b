#pragma once

#include "platform/lifetime.h"
#include "platform/main_loop.h"

#include <QString>

#include <cstdint>
#include <deque>

namespace corvel {

// The texts this copy has just broadcast, each waiting for its echo. An arriving line is the
// copy's own only when it is exactly such a text and comes within the window; each send claims
// one arrival. Timing alone would take anybody's line for ours, and names prove nothing.
class OwnLines {
public:
    OwnLines(MainLoop &loop, Seconds window) : m_loop(loop), m_window(window) {}

    // Called once the text has gone out.
    void expect(const QString &text);
    // True, once per send, when the text is an own line still within its window.
    [[nodiscard]] bool claim(const QString &text);

private:
    struct Pending {
        std::uint64_t serial;
        QString text;
    };

    MainLoop &m_loop;
    Seconds m_window;
    std::deque<Pending> m_pending; // oldest first
    std::uint64_t m_lastSerial = 0;
    Lifetime m_lifetime;
};

} // namespace corvel
