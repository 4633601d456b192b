// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chat/answer_coalescer.h"

#include <QList>
#include <QObject>

namespace corvel {

struct Datagram;
class DatagramSocket;
class OwnEcho;
class SettingsStore;

// The copy's answers to "who is online?". Every request is answered, but a stream of them, or a
// room that starts at once, makes one answer for many. On the LANs the answer is a broadcast;
// beyond them it goes to whoever asked, not to every host that once wrote.
class PresenceAnswers : public QObject {
    Q_OBJECT
public:
    PresenceAnswers(MainLoop &loop, DatagramSocket &socket, OwnEcho &echo, SettingsStore &defaults);

    // The sender of a request, if beyond the LANs, is among those the next answer goes to.
    void rememberAsker(const Datagram &request);
    void request();

private:
    void answer();

    DatagramSocket &m_socket;
    OwnEcho &m_echo;
    SettingsStore &m_defaults;
    AnswerCoalescer m_coalescer;
    QList<quint32> m_askersBeyondLan; // learned senders whose queries the next answer covers
};

} // namespace corvel
