#pragma once

#include "net/datagram_socket.h"
#include "platform/manual_main_loop.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

namespace corvel::test {

class FakeSocket;

// The address of a foreign peer; each socket has one of its own, counted up from 10.0.0.1.
inline constexpr quint32 foreignPeer = 0x0a0000fe;

// A LAN on virtual time: every datagram that a socket broadcasts reaches every socket that is set
// up, the sender's included, after the network's delay.
class FakeNetwork {
public:
    explicit FakeNetwork(ManualMainLoop &loop, Seconds delay = Seconds(0.02)) : m_loop(loop), m_delay(delay) {}

    quint32 attach(FakeSocket &socket);
    void detach(FakeSocket &socket) { std::erase(m_sockets, &socket); }
    // Broadcasts raw bytes, as a foreign peer would.
    void inject(const QByteArray &payload, quint32 sender = foreignPeer);
    [[nodiscard]] Seconds now() const { return m_loop.now(); }

    // Every text broadcast on the network, in order.
    QStringList traffic;

private:
    ManualMainLoop &m_loop;
    Seconds m_delay;
    std::vector<FakeSocket *> m_sockets;
    quint32 m_lastAddress = 0x0a000000;
};

class FakeSocket final : public DatagramSocket {
public:
    explicit FakeSocket(FakeNetwork &network) : address(network.attach(*this)), m_network(network) {}
    ~FakeSocket() override { m_network.detach(*this); }

    bool access() override;
    SendResult broadcast(const QString &text) override;
    void setReceiveHandler(ReceiveHandler handler) override { m_handler = std::move(handler); }

    // A datagram taken off the socket now, from the sender.
    void receive(const QByteArray &payload, quint32 sender = foreignPeer);
    // As a copy stopped (SIGSTOP) while its reader is not: arrivals wait, stamped, until resume.
    void stop() { m_stopped = true; }
    void resume();

    const quint32 address;
    bool canSetUp = true;    // false: the port is taken
    bool refusing = false;   // true: the socket refuses every send
    bool firewalled = false; // true: nothing arrives, as behind a firewall that drops the port
    int setUps = 0;
    QStringList sent;

private:
    struct Waiting {
        QByteArray payload;
        quint32 sender;
        Seconds arrived;
    };
    void handle(const Waiting &arrival) const;

    FakeNetwork &m_network;
    bool m_setUp = false;
    bool m_stopped = false;
    std::vector<Waiting> m_waiting;
    ReceiveHandler m_handler;
};

} // namespace corvel::test
