#pragma once

#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>
#include <QString>

namespace corvel {

// One network interface as the system describes it.
struct InterfaceDescription {
    QString name;
    int index = 0;
    QNetworkInterface::InterfaceFlags flags;
    QList<QHostAddress> addresses;
};

// The interfaces a broadcast can go out on: up with a carrier, able to broadcast, not loopback,
// with an IPv4 address. Only their IPv4 addresses are kept. Routes play no part: a datagram sent
// through a chosen interface needs none.
[[nodiscard]] QList<InterfaceDescription> lanInterfaces(const QList<InterfaceDescription> &all);

// The system's interfaces now; cheap enough to ask before every send.
[[nodiscard]] QList<InterfaceDescription> systemInterfaces();

// "eth0 10.0.0.2, wlan0 192.168.1.7", or "none": where datagrams go.
[[nodiscard]] QString describeLans(const QList<InterfaceDescription> &lans);

} // namespace corvel
