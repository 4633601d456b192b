// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QNetworkAddressEntry>
#include <QNetworkInterface>
#include <QString>

namespace corvel {

// One network interface as the system describes it.
struct InterfaceDescription {
    QString name;
    int index = 0;
    QNetworkInterface::InterfaceFlags flags;
    QList<QNetworkAddressEntry> addresses;
};

// One LAN: the interfaces on the same IPv4 network (address and mask), lowest index first. A
// broadcast goes out through the first only, or every host on it would get each datagram once per
// interface (wired and Wi-Fi in one office).
using Lan = QList<InterfaceDescription>;

// The LANs a broadcast can go out on: interfaces up with a carrier, able to broadcast, not
// loopback, with an IPv4 address. Only their IPv4 addresses are kept. Routes play no part: a
// datagram sent through a chosen interface needs none.
[[nodiscard]] QList<Lan> lansOf(QList<InterfaceDescription> all);

// Whether the network is reachable: a LAN exists, or some Destination is set and an interface
// other than loopback is up with an IPv4 address (a tunnel carries unicast but no broadcast).
[[nodiscard]] bool isReachable(const QList<InterfaceDescription> &all, bool destinationsSet);

// The system's interfaces now; cheap enough to ask before every send.
[[nodiscard]] QList<InterfaceDescription> systemInterfaces();

// "eth0 10.0.0.2 (one LAN with wlan0 10.0.0.3), wlan1 192.168.1.7", or "none": where datagrams go,
// each LAN through its first interface.
[[nodiscard]] QString describeLans(const QList<Lan> &lans);

} // namespace corvel
