// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/main_loop.h"

#include <QByteArrayView>
#include <QList>
#include <QObject>
#include <QString>

namespace corvel {

// One received datagram.
struct Datagram {
    // The sender's IPv4 address; ownHost for every address of this host, so that the copy's own
    // datagrams come from one host whichever interface brought them back.
    static constexpr quint32 ownHost = 0;

    QByteArrayView payload;
    quint32 sender = ownHost;
    // When the kernel received it, on the main loop's clock: a backlog must not age it.
    Seconds arrived{};
    // The address it was sent to, where the system tells: an own address for a unicast, a broadcast
    // address otherwise; 0 when unknown.
    quint32 destination = 0;
    // Whether the sender is a host beyond the LANs that this copy sends to as well.
    bool fromLearnedSender = false;
};

// The broadcast channel as the chat logic sees it. The real one is BroadcastSocket; tests use a
// fake that records sends and echoes them back.
class DatagramSocket : public QObject {
    Q_OBJECT
public:
    enum class SendResult {
        Sent,     // handed to the socket; "Data sent: " was printed
        NoSocket, // the socket could not be set up
        TooLarge, // over the size of one datagram; nothing reached the socket
        Refused,  // the socket refused it at once; the reason was printed
    };

    using QObject::QObject;

    // Socket access: sets the socket up on first use (and after every failed set-up) and says
    // whether there is one now. From then on every received datagram is told by received().
    virtual bool access() = 0;

    // Broadcasts one text as one datagram to every copy on the network, this one included, and to
    // every host beyond the LANs that it goes to.
    virtual SendResult broadcast(const QString &text) = 0;
    // An automatic answer: like broadcast, but of the learned senders beyond the LANs it reaches only
    // those among the askers, so that nobody can make a copy answer more hosts than asked.
    virtual SendResult answer(const QString &text, const QList<quint32> &askers) = 0;

Q_SIGNALS:
    // On the main thread, as the datagram is taken off the socket: a listener that must not miss
    // one connects directly.
    void received(const corvel::Datagram &datagram);
};

// The largest UDP payload over IPv4.
inline constexpr qsizetype maxDatagramPayload = 65507;

} // namespace corvel
