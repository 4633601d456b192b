// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "net/wire.h"
#include "settings/settings_store.h"

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
    if (m_echo.transmit(announcement) == DatagramSocket::SendResult::Sent)
        m_echo.expect(announcement);
    m_loop.after(followUpDelay, this, [this] { (void)m_echo.transmit(wire::presenceNotice.toString()); });
    m_loop.after(followUpDelay, this, [this] { (void)m_echo.transmit(wire::presenceQueryLine.toString()); });
}

void ViewController::online()
{
    m_presence.request();
}

} // namespace corvel
