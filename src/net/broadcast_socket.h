#pragma once

#include "net/datagram_socket.h"

#include <QByteArray>
#include <QObject>

#include <chrono>

class QUdpSocket;

namespace corvel {

// The LAN channel: one UDP socket on port 54545 of every IPv4 interface, shared with the other
// copies on this host, sending to the limited-broadcast address. Set up lazily and retried after
// a failure; received datagrams reach the handler on the main thread, the own ones included.
class BroadcastSocket final : public QObject, public DatagramSocket {
    Q_OBJECT
public:
    static constexpr quint16 port = 54545;

    // A pass over the socket ends after passTime, so that a flood leaves the main loop free.
    explicit BroadcastSocket(std::chrono::nanoseconds passTime = std::chrono::milliseconds(2),
                             QObject *parent = nullptr);
    ~BroadcastSocket() override;

    bool access() override;
    SendResult broadcast(const QString &text) override;
    void setReceiveHandler(ReceiveHandler handler) override;

private:
    void readBatch();

    std::chrono::nanoseconds m_passTime;
    QUdpSocket *m_socket = nullptr;
    ReceiveHandler m_handler;
    QByteArray m_buffer;
};

} // namespace corvel
