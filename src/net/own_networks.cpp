// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/own_networks.h"

#include <algorithm>

namespace corvel {

OwnNetworks::OwnNetworks(const QList<InterfaceDescription> &all, const QList<Lan> &lans)
{
    for (const InterfaceDescription &interface : all) {
        for (const QNetworkAddressEntry &entry : interface.addresses) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                m_addresses.push_back(entry.ip().toIPv4Address());
        }
    }
    for (const Lan &lan : lans) {
        for (const InterfaceDescription &interface : lan) {
            for (const QNetworkAddressEntry &entry : interface.addresses) {
                const quint32 mask = entry.netmask().toIPv4Address();
                m_networks.push_back({entry.ip().toIPv4Address() & mask, mask});
            }
        }
    }
}

bool OwnNetworks::isOwnAddress(quint32 address) const
{
    return std::ranges::find(m_addresses, address) != m_addresses.end();
}

bool OwnNetworks::isOnLan(quint32 address) const
{
    return std::ranges::any_of(
        m_networks, [address](const Network &network) { return (address & network.mask) == network.address; });
}

} // namespace corvel
