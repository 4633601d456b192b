// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "net/wire.h"
#include "settings/settings_store.h"

#include <QLineEdit>

#include <utility>

namespace corvel {

namespace {

constexpr Seconds flashInterval{1.0};
constexpr Seconds yellowPhase{0.5};

} // namespace

void ViewController::cmdCallClicked()
{
    call();
    stopFlash();
}

void ViewController::call()
{
    if (!txtMsg->text().isEmpty())
        send();
    stopFlash();
    if (!m_isNetworkReachable()) {
        m_transcript.appendPlain(noNetwork, styleSys);
        return;
    }
    if (!m_socket.access())
        return;
    // Only a call that really went out may claim the next call text as its own echo; otherwise
    // this copy would stay deaf to the next call from somebody else.
    if (transmit(wire::callText.toString()) != DatagramSocket::SendResult::Sent)
        return;
    callbool = true;
    m_callSent = m_loop.now();
}

// However many calls and flash commands arrive, one ticker flashes, and it stops with the
// flashing: remote input cannot pile up timers.
void ViewController::flash()
{
    flashbool = true;
    if (m_flashTicker == MainLoop::noTimer)
        m_flashTicker = m_loop.every(flashInterval, m_lifetime.guard([this] { flashing(); }));
}

void ViewController::flashing()
{
    if (!flashbool)
        return;
    m_transcript.setBackground(Qt::yellow);
    m_loop.after(yellowPhase, m_lifetime.guard([this] { m_transcript.setBackground(Qt::white); }));
}

void ViewController::stopFlash()
{
    if (!flashbool)
        return;
    const QString acknowledgement = wire::callAcknowledgement(m_defaults.userName());
    if (!m_socket.access())
        return;
    (void)transmit(acknowledgement);
    flashbool = false;
    m_loop.cancel(std::exchange(m_flashTicker, MainLoop::noTimer));
}

} // namespace corvel
