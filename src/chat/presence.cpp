// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "net/wire.h"
#include "settings/settings_store.h"

#include <utility>

namespace corvel {

namespace {

constexpr Seconds followUpDelay{0.1};

} // namespace

void ViewController::cmdOnline()
{
    isOnline();
    stopFlash();
}

void ViewController::isOnline()
{
    if (!m_isNetworkReachable()) {
        m_transcript.appendPlain(noNetwork, styleSys);
        return;
    }
    const QString announcement = wire::queryAnnouncement(m_defaults.userName());
    if (!m_socket.access())
        return;
    // The announcement reads as a chat line: its echo is the copy's own, not news for the user.
    if (transmit(announcement) == DatagramSocket::SendResult::Sent)
        m_ownLines.expect(announcement);
    m_loop.after(followUpDelay, m_lifetime.guard([this] { (void)transmit(wire::presenceNotice.toString()); }));
    m_loop.after(followUpDelay, m_lifetime.guard([this] { (void)transmit(wire::presenceQueryLine.toString()); }));
}

// Every request is answered, but a stream of them, or a room that starts at once, makes one answer
// for many.
void ViewController::online()
{
    m_presenceAnswers.request();
}

void ViewController::broadcastPresenceAnswer()
{
    const QString answer = wire::presenceAnswer(m_defaults.userName());
    const QList<quint32> askers = std::exchange(m_askersBeyondLan, {});
    if (!m_socket.access())
        return;
    (void)watched(m_socket.answer(answer, askers));
}

} // namespace corvel
