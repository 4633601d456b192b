// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/call_flash.h"

#include "chat/own_echo.h"
#include "chat/transcript.h"
#include "net/wire.h"
#include "settings/settings_store.h"

#include <utility>

namespace corvel {

namespace {

constexpr Seconds flashInterval{1.0};
constexpr Seconds yellowPhase{0.5};

} // namespace

CallFlash::CallFlash(MainLoop &loop, DatagramSocket &socket, OwnEcho &echo, SettingsStore &defaults,
                     Transcript &transcript)
    : m_loop(loop), m_socket(socket), m_echo(echo), m_defaults(defaults), m_transcript(transcript)
{
}

void CallFlash::call()
{
    // Only a call that really went out may claim the next call text as its own echo; otherwise
    // this copy would stay deaf to the next call from somebody else.
    if (m_echo.transmit(wire::callText.toString()) != DatagramSocket::SendResult::Sent)
        return;
    callbool = true;
    m_callSent = m_loop.now();
}

// However many calls and flash commands arrive, one ticker flashes, and it stops with the
// flashing: remote input cannot pile up timers.
void CallFlash::flash()
{
    flashbool = true;
    if (m_flashTicker == MainLoop::noTimer)
        m_flashTicker = m_loop.every(flashInterval, this, [this] { flashing(); });
}

void CallFlash::flashing()
{
    if (!flashbool)
        return;
    m_transcript.setBackground(Qt::yellow);
    m_loop.after(yellowPhase, this, [this] { m_transcript.setBackground(Qt::white); });
}

void CallFlash::stopFlash()
{
    if (!flashbool)
        return;
    const QString acknowledgement = wire::callAcknowledgement(m_defaults.userName());
    if (!m_socket.access())
        return;
    (void)m_echo.transmit(acknowledgement);
    flashbool = false;
    m_loop.cancel(std::exchange(m_flashTicker, MainLoop::noTimer));
}

// Only this host sends the copy's own echo, and it arrives within moments of the send, however long
// it then waits to be handled.
bool CallFlash::takeOwnEcho(const Datagram &datagram)
{
    if (!callbool || datagram.sender != Datagram::ownHost || datagram.arrived - m_callSent >= callEchoWait)
        return false;
    callbool = false;
    return true;
}

} // namespace corvel
