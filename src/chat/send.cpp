// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "net/wire.h"
#include "settings/keys.h"
#include "settings/settings_store.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace corvel {

void ViewController::cmdSendClicked()
{
    if (m_defaults.boolForKey(keys::autoClear))
        clear();
    send();
    stopFlash();
    m_autoHide.afterSend();
}

void ViewController::send()
{
    const QString user = m_defaults.userName();
    if (!m_isNetworkReachable()) {
        m_transcript.appendPlain(noNetwork, styleSys);
        return;
    }
    const QString message = txtMsg->text();
    if (!m_socket.access())
        return;
    if (!message.isEmpty()) {
        if (broadcastOwnLine(user, message))
            txtMsg->clear();
    } else if (m_defaults.boolForKey(keys::hide)) {
        (void)broadcastOwnLine(user, m_defaults.okPreset());
    } else {
        m_transcript.append(u"\n "_s, styleMe);
    }
}

// The echo of a line that went out is shown as ours. A line the socket did not take is expected
// back by nobody, and the caller keeps the user's text.
bool ViewController::broadcastOwnLine(const QString &user, const QString &message)
{
    const QString line = wire::chatLine(user, message);
    const DatagramSocket::SendResult result = m_echo.transmit(line);
    if (result != DatagramSocket::SendResult::Sent) {
        // The name and the separator take their share of the datagram.
        reportUnsent(result, maxDatagramPayload - wire::chatLine(user, {}).toUtf8().size());
        return false;
    }
    m_echo.expect(line);
    return true;
}

void ViewController::reportUnsent(DatagramSocket::SendResult result, qsizetype messageLimit)
{
    QString why;
    switch (result) {
    case DatagramSocket::SendResult::TooLarge:
        why = u"NOT SENT: the message is too long for one datagram (at most %1 bytes)"_s.arg(messageLimit);
        break;
    case DatagramSocket::SendResult::Refused:
        why = u"NOT SENT: the network refused the message"_s;
        break;
    case DatagramSocket::SendResult::NoSocket:
    case DatagramSocket::SendResult::Sent:
        return;
    }
    m_transcript.append(m_transcript.timeStampedLine(wire::systemPrefix % why), styleSys);
}

} // namespace corvel
