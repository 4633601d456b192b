// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/datagram_socket.h"
#include "net/lan_interfaces.h"
#include "net/learned_senders.h"

#include <QByteArray>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QUdpSocket;

namespace corvel {

class DatagramReader;

// The LAN channel: one UDP socket on port 54545 of every IPv4 interface, shared with the other
// copies on this host. Each datagram goes to the limited-broadcast address once on every LAN there
// is at that moment, through its first interface, named by its index (IP_PKTINFO), so that no route
// is needed and a VPN's default route cannot swallow it. It also goes to the Destinations and, unless
// the user turned it off, to the senders beyond the LANs that wrote to this copy lately (see
// learnsFrom). Set up lazily and retried after a failure;
// received datagrams are told on the main thread, the own ones included (once per interface they
// come back through).
class BroadcastSocket final : public DatagramSocket {
    Q_OBJECT
public:
    static constexpr quint16 port = 54545;

    // A pass over the received datagrams ends after passTime, so that a flood leaves the main loop
    // free.
    explicit BroadcastSocket(std::chrono::nanoseconds passTime = std::chrono::milliseconds(2),
                             QObject *parent = nullptr);
    ~BroadcastSocket() override;

    bool access() override;
    SendResult broadcast(const QString &text) override;
    SendResult answer(const QString &text, const QList<quint32> &askers) override;
    // Whether everything that came has been told, none of it dropped.
    [[nodiscard]] bool caughtUp() const;
    // Addresses beyond the LAN that every datagram also goes to, asked for at each send.
    void setDestinations(std::function<QList<QHostAddress>()> destinations);
    // Whether to learn senders beyond the LAN and send to them, asked when one writes and at each send.
    void setLearning(std::function<bool()> learning);
    // The senders beyond the LANs that get this copy's datagrams now, least recently heard first.
    [[nodiscard]] std::vector<LearnedSenders::Heard> learnedSenders();

private:
    SendResult send(const QString &text, const std::optional<QList<quint32>> &askers);
    // The LANs to send on now; says so on standard output whenever they change, and keeps the own
    // addresses and networks that received datagrams are judged by.
    QList<Lan> currentLans();
    void identifySender(Datagram datagram);
    [[nodiscard]] bool learning() const { return !m_learning || m_learning(); }

    std::chrono::nanoseconds m_passTime;
    QUdpSocket *m_socket = nullptr;
    std::function<QList<QHostAddress>()> m_destinations;
    std::function<bool()> m_learning;
    QString m_lansShown;
    OwnNetworks m_own;
    Seconds m_ownRead{-1e9}; // when m_own was last read from the system
    LearnedSenders m_learned;
    std::unique_ptr<DatagramReader> m_reader; // reads m_socket, so it goes first
};

} // namespace corvel
