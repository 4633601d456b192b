#pragma once

#include "platform/main_loop.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

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
};

// The broadcast channel as the chat logic sees it. The real one is BroadcastSocket; tests use a
// fake that records sends and echoes them back.
class DatagramSocket {
public:
    using ReceiveHandler = std::function<void(const Datagram &datagram)>;

    enum class SendResult {
        Sent,     // handed to the socket; "Data sent: " was printed
        NoSocket, // the socket could not be set up
        TooLarge, // over the size of one datagram; nothing reached the socket
        Refused,  // the socket refused it at once; the reason was printed
    };

    DatagramSocket() = default;
    DatagramSocket(const DatagramSocket &) = delete;
    DatagramSocket &operator=(const DatagramSocket &) = delete;
    virtual ~DatagramSocket() = default;

    // Socket access: sets the socket up on first use (and after every failed set-up) and says
    // whether there is one now. From then on every received datagram goes to the handler.
    virtual bool access() = 0;

    // Broadcasts one text as one datagram to every copy on the network, this one included.
    virtual SendResult broadcast(const QString &text) = 0;

    virtual void setReceiveHandler(ReceiveHandler handler) = 0;
};

// The largest UDP payload over IPv4.
inline constexpr qsizetype maxDatagramPayload = 65507;

} // namespace corvel
