// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/lan_interfaces.h"

#include <QtGlobal>

#include <vector>

namespace corvel {

// This host's IPv4 addresses, and the networks of its LANs, by which received datagrams are judged:
// from this host, from a neighbour, or from beyond the LANs.
class OwnNetworks {
public:
    OwnNetworks() = default;
    OwnNetworks(const QList<InterfaceDescription> &all, const QList<Lan> &lans);

    [[nodiscard]] bool isOwnAddress(quint32 address) const;
    [[nodiscard]] bool isOnLan(quint32 address) const;

    friend bool operator==(const OwnNetworks &, const OwnNetworks &) = default;

private:
    struct Network {
        quint32 address;
        quint32 mask;
        friend bool operator==(const Network &, const Network &) = default;
    };

    std::vector<quint32> m_addresses;
    std::vector<Network> m_networks;
};

} // namespace corvel
