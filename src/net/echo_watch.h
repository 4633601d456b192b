// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/main_loop.h"

#include <QObject>

#include <functional>

namespace corvel {

// Notices when nothing at all comes back of what this copy broadcasts. A copy hears its own
// broadcasts within milliseconds, even on a LAN where nobody else runs, so silence after a send
// means that the chat port is blocked on the way in: most often by a firewall on this computer,
// which nothing else would tell the user about. A timer runs only while a send waits for news.
class EchoWatch : public QObject {
    Q_OBJECT
public:
    enum class Change {
        Silent,      // nothing came back within the grace after a send
        StillSilent, // the same for a send during the silence: told again, but not as news
        Back,        // something came back after a silence
    };
    // Asked when the grace is over: false where silence proves nothing, such as with no LAN to
    // hear from, or with datagrams taken off the socket but not yet handled, or dropped.
    using Judge = std::function<bool()>;

    EchoWatch(MainLoop &loop, Seconds grace, Judge silenceCounts);

    // A datagram went out.
    void sent();
    // A datagram came in, whatever it holds.
    void heard();

    [[nodiscard]] bool silent() const { return m_silent; }

Q_SIGNALS:
    void changed(corvel::EchoWatch::Change change);

private:
    MainLoop &m_loop;
    Seconds m_grace;
    Judge m_silenceCounts;
    MainLoop::TimerId m_wait = MainLoop::noTimer;
    bool m_silent = false;
};

} // namespace corvel
