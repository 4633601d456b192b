// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/own_networks.h"
#include "platform/main_loop.h"

#include <QByteArrayView>
#include <QHostAddress>
#include <QList>

#include <cstddef>
#include <optional>
#include <vector>

namespace corvel {

// Whether a datagram makes its sender one that this copy also sends to: it came by unicast to one of
// this copy's own addresses (so whoever sent it meant this copy and can hear back), from a
// private-range host that is not on one of this copy's LANs, and it reads as one of the texts that
// copies send. A broadcast, a public source or a neighbour never counts: the first would let one
// forged datagram on the LAN aim every copy at a victim, the second would hand the user's lines to
// anyone on the Internet who can reach the port, the third would get everything twice.
[[nodiscard]] bool learnsFrom(quint32 sender, quint32 destination, QByteArrayView payload, const OwnNetworks &own);

// 10/8, 172.16/12, 192.168/16 and the carrier-grade 100.64/10 that many VPNs hand out.
[[nodiscard]] bool isPrivateAddress(quint32 address);

// Senders beyond this copy's LANs that it sends to as well, so that a host that lists this one under
// Destinations hears back without any setting here. Bounded in number and in time after each one's
// last datagram: at worst 64 hosts get every datagram until ten minutes after they last wrote.
class LearnedSenders {
public:
    static constexpr std::size_t capacity = 64;
    static constexpr Seconds lifetime{600};

    struct Heard {
        quint32 address;
        Seconds at;
    };

    // A datagram came from the address; the least recently heard gives way when there are too many.
    void heard(quint32 address, Seconds at);
    // The senders heard from within the lifetime, least recently heard first; the others forgotten.
    [[nodiscard]] const std::vector<Heard> &current(Seconds now);
    [[nodiscard]] bool contains(quint32 address) const;
    // Hosts that turned out to be neighbours on a LAN, or everyone when the user turned learning off.
    void forgetOnLan(const OwnNetworks &own);
    void clear() { m_heard.clear(); }

private:
    std::vector<Heard> m_heard; // least recently heard first
};

// Where a datagram goes beyond the LANs: every Destination, then the learned senders that are not
// Destinations already; for an automatic answer (askers given) only the learned senders that asked.
[[nodiscard]] QList<QHostAddress> beyondLan(const QList<QHostAddress> &destinations,
                                            const std::vector<LearnedSenders::Heard> &learned,
                                            const std::optional<QList<quint32>> &askers);

} // namespace corvel
