// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/own_echo.h"

#include "chat/transcript.h"
#include "net/wire.h"
#include "platform/trace.h"

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

// How long after a send its echo still counts as the copy's own line.
constexpr Seconds ownLineWindow{0.1};
// A copy hears its own broadcasts within milliseconds; a busy LAN or a stalled copy takes longer.
constexpr Seconds echoGrace{3.0};

} // namespace

OwnEcho::OwnEcho(MainLoop &loop, DatagramSocket &socket, EchoWatch::Judge echoExpected, Transcript &transcript,
                 const Style &system, const Style &own)
    : m_socket(socket), m_transcript(transcript), m_system(system), m_own(own), m_ownLines(loop, ownLineWindow),
      m_echoWatch(loop, echoGrace, std::move(echoExpected))
{
    connect(&m_echoWatch, &EchoWatch::changed, this, &OwnEcho::echoChanged);
}

DatagramSocket::SendResult OwnEcho::transmit(const QString &text)
{
    return watched(m_socket.broadcast(text));
}

DatagramSocket::SendResult OwnEcho::answer(const QString &text, const QList<quint32> &askers)
{
    return watched(m_socket.answer(text, askers));
}

DatagramSocket::SendResult OwnEcho::watched(DatagramSocket::SendResult result)
{
    if (result == DatagramSocket::SendResult::Sent)
        m_echoWatch.sent();
    return result;
}

// A line that went out but never came back may have reached the others or not: it is shown, so
// that it is not lost, and marked, so that nobody takes it for delivered. Keeping it in the field
// instead would invite sending it twice to those who did get it.
void OwnEcho::echoChanged(EchoWatch::Change change)
{
    switch (change) {
    case EchoWatch::Change::Silent: {
        const QString hint =
            tr("Your own messages are not coming back, so nothing from the others arrives either. A firewall "
               "on this computer probably blocks UDP port 54545. To allow it: 'sudo ufw allow 54545/udp', or "
               "'sudo firewall-cmd --permanent --add-port=54545/udp' and then 'sudo firewall-cmd --reload'.");
        trace(u">>> Own messages are not coming back: a firewall on this computer probably blocks UDP port 54545"_s);
        m_transcript.append(m_transcript.timeStampedLine(wire::systemPrefix % hint), m_system);
        Q_EMIT firewallHint(hint);
        break;
    }
    case EchoWatch::Change::StillSilent:
        break;
    case EchoWatch::Change::Back:
        trace(u">>> Own messages come back again"_s);
        m_transcript.append(m_transcript.timeStampedLine(wire::systemPrefix % tr("Your own messages come back again.")),
                            m_system);
        Q_EMIT firewallHint(QString());
        return;
    }
    for (const QString &line : m_ownLines.takeUnconfirmed())
        m_transcript.append(m_transcript.timeStampedLine(line % u"   "_s % tr("(not confirmed: nothing comes back)")),
                            m_own);
}

} // namespace corvel
