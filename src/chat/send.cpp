#include "chat/ViewController.h"

#include "net/wire.h"
#include "settings/keys.h"
#include "settings/settings_store.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

constexpr Seconds ownLineWindow{0.1};

} // namespace

void ViewController::cmdSendClicked()
{
    if (m_defaults.boolForKey(keys::autoClear))
        clear();
    send();
    stopFlash();
    autoHideAfterSend();
}

void ViewController::send()
{
    const QString user = m_defaults.userName();
    if (!m_isNetworkReachable()) {
        m_transcript.appendPlain(noNetwork);
        return;
    }
    const QString message = txtMsg->text();
    if (!m_socket.access())
        return;
    if (!message.isEmpty()) {
        if (broadcastOwnLine(wire::chatLine(user, message)))
            txtMsg->clear();
    } else if (m_defaults.boolForKey(keys::hide)) {
        (void)broadcastOwnLine(wire::chatLine(user, m_defaults.okPreset()));
    } else {
        m_transcript.append(u"\n "_s, styleMe);
    }
}

// Opens the own-line window around the broadcast, so that the echo is shown as ours. A line the
// socket did not take opens nothing, and the caller keeps the user's text.
bool ViewController::broadcastOwnLine(const QString &line)
{
    const bool windowWasOpen = clicked;
    clicked = true;
    const DatagramSocket::SendResult result = m_socket.broadcast(line);
    if (result != DatagramSocket::SendResult::Sent) {
        clicked = windowWasOpen;
        reportUnsent(result);
        return false;
    }
    m_loop.after(ownLineWindow, m_lifetime.guard([this] { clicked = false; }));
    return true;
}

void ViewController::reportUnsent(DatagramSocket::SendResult result)
{
    QString why;
    switch (result) {
    case DatagramSocket::SendResult::TooLarge:
        why = u"NOT SENT: the message is too long for one datagram (at most %1 bytes)"_s.arg(maxDatagramPayload);
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
