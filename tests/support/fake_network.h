// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/datagram_socket.h"
#include "platform/manual_main_loop.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <vector>

namespace corvel::test {

class FakeSocket;

// The address of a foreign peer; each socket has one of its own, counted up from 10.0.0.1.
inline constexpr quint32 foreignPeer = 0x0b000001;

// A LAN on virtual time: every datagram that a socket broadcasts reaches every socket that is set
// up, the sender's included, after the network's delay.
class FakeNetwork : public QObject {
    Q_OBJECT
public:
    explicit FakeNetwork(ManualMainLoop &loop, Seconds delay = Seconds(0.02)) : m_loop(loop), m_delay(delay) {}

    void attach(FakeSocket &socket) { m_sockets.push_back(&socket); }
    void detach(FakeSocket &socket) { std::erase(m_sockets, &socket); }
    void inject(const QByteArray &payload, quint32 sender = foreignPeer);
    [[nodiscard]] Seconds now() const { return m_loop.now(); }

    QStringList traffic; // every text broadcast, in order

private:
    ManualMainLoop &m_loop;
    Seconds m_delay;
    std::vector<FakeSocket *> m_sockets;
};

class FakeSocket final : public DatagramSocket {
    Q_OBJECT
public:
    explicit FakeSocket(FakeNetwork &network) : m_network(network) { m_network.attach(*this); }
    ~FakeSocket() override { m_network.detach(*this); }

    bool access() override;
    SendResult broadcast(const QString &text) override;
    // There is nothing beyond this LAN: an answer is a broadcast, and only its askers are kept.
    SendResult answer(const QString &text, const QList<quint32> &askers) override
    {
        answeredAskers.append(askers);
        return broadcast(text);
    }

    // A datagram that arrives now, from the sender.
    void receive(const QByteArray &payload, quint32 sender = foreignPeer);

    inline static quint32 lastAddress = 0x0a000000;
    const quint32 address = ++lastAddress;
    bool canSetUp = true;    // false: the port is taken
    bool refusing = false;   // true: the socket refuses every send
    bool firewalled = false; // true: nothing arrives, as behind a firewall that drops the port
    int setUps = 0;
    QStringList sent;
    QList<QList<quint32>> answeredAskers; // of every answer, in order

private:
    FakeNetwork &m_network;
    bool m_setUp = false;
};

} // namespace corvel::test
