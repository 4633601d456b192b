// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chat/own_lines.h"
#include "net/datagram_socket.h"
#include "net/echo_watch.h"

#include <QObject>

namespace corvel {

struct Style;
class Transcript;

// The copy's own broadcasts and what comes back of them. Every send goes through here, so that the
// echo watch knows of it; the own chat lines wait here for their echo; and when nothing comes back,
// the transcript says so and the firewall hint is told to whoever shows it elsewhere.
class OwnEcho : public QObject {
    Q_OBJECT
public:
    // echoExpected: whether the own broadcasts must be back by now if the way in is open.
    OwnEcho(MainLoop &loop, DatagramSocket &socket, EchoWatch::Judge echoExpected, Transcript &transcript,
            const Style &system, const Style &own);

    DatagramSocket::SendResult transmit(const QString &text);
    DatagramSocket::SendResult answer(const QString &text, const QList<quint32> &askers);
    // A chat line that went out: its echo is shown as the copy's own.
    void expect(const QString &line) { m_ownLines.expect(line); }
    // True, once per send, when the text is the echo of such a line.
    [[nodiscard]] bool claim(const QString &text, Seconds arrived) { return m_ownLines.claim(text, arrived); }
    // Something came in, whatever it is, even a twin: the way in is open.
    void heard() { m_echoWatch.heard(); }

Q_SIGNALS:
    // The hint while the own broadcasts do not come back, and an empty text once they do.
    void firewallHint(const QString &hint);

private:
    DatagramSocket::SendResult watched(DatagramSocket::SendResult result);
    void echoChanged(EchoWatch::Change change);

    DatagramSocket &m_socket;
    Transcript &m_transcript;
    const Style &m_system;
    const Style &m_own;
    OwnLines m_ownLines;
    EchoWatch m_echoWatch;
};

} // namespace corvel
