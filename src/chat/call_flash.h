// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/datagram_socket.h"
#include "platform/main_loop.h"

#include <QObject>

namespace corvel {

class OwnEcho;
class SettingsStore;
class Transcript;

// A call's echo comes back within milliseconds; one lost on the way must not make this copy take
// the next real call for its own.
inline constexpr Seconds callEchoWait{2.0};

// The copy's own call, which waits for its echo, and the flashing of the transcript that a call
// from someone else starts and the user's next action acknowledges.
class CallFlash : public QObject {
    Q_OBJECT
public:
    CallFlash(MainLoop &loop, DatagramSocket &socket, OwnEcho &echo, SettingsStore &defaults, Transcript &transcript);

    // Broadcasts the call; the socket must be there.
    void call();
    void flash();
    // One tick of the flashing: yellow for a moment.
    void flashing();
    // Acknowledges the flashing, if any, and ends it.
    void stopFlash();
    // True, once, for the echo of this copy's own call.
    [[nodiscard]] bool takeOwnEcho(const Datagram &datagram);

private:
    MainLoop &m_loop;
    DatagramSocket &m_socket;
    OwnEcho &m_echo;
    SettingsStore &m_defaults;
    Transcript &m_transcript;
    bool flashbool = false;
    bool callbool = false;
    MainLoop::TimerId m_flashTicker = MainLoop::noTimer;
    Seconds m_callSent{}; // a call's echo must arrive soon after, or the next call is someone else's
};

} // namespace corvel
