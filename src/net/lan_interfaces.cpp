// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/lan_interfaces.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

using Flag = QNetworkInterface::InterfaceFlag;

bool isUpWithCarrier(const InterfaceDescription &interface)
{
    // A cable out leaves the interface up without a carrier (not running): nothing gets through.
    return interface.flags.testFlag(Flag::IsUp) && interface.flags.testFlag(Flag::IsRunning) &&
           !interface.flags.testFlag(Flag::IsLoopBack) && interface.index > 0;
}

QList<QNetworkAddressEntry> ipv4Entries(const InterfaceDescription &interface)
{
    QList<QNetworkAddressEntry> entries;
    for (const QNetworkAddressEntry &entry : interface.addresses) {
        if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
            entries.append(entry);
    }
    return entries;
}

bool shareANetwork(const InterfaceDescription &one, const InterfaceDescription &other)
{
    return std::ranges::any_of(one.addresses, [&other](const QNetworkAddressEntry &mine) {
        return std::ranges::any_of(other.addresses, [&mine](const QNetworkAddressEntry &theirs) {
            return theirs.prefixLength() == mine.prefixLength() &&
                   theirs.ip().isInSubnet(mine.ip(), mine.prefixLength());
        });
    });
}

} // namespace

QList<Lan> lansOf(QList<InterfaceDescription> all)
{
    std::ranges::sort(all, {}, &InterfaceDescription::index);
    QList<Lan> found;
    for (const InterfaceDescription &interface : all) {
        InterfaceDescription lan{interface.name, interface.index, interface.flags, ipv4Entries(interface)};
        if (!isUpWithCarrier(lan) || !lan.flags.testFlag(Flag::CanBroadcast) || lan.addresses.isEmpty())
            continue;
        const auto same =
            std::ranges::find_if(found, [&lan](const Lan &known) { return shareANetwork(known[0], lan); });
        if (same != found.end())
            same->append(lan);
        else
            found.append(Lan{lan});
    }
    return found;
}

bool isReachable(const QList<InterfaceDescription> &all, bool destinationsSet)
{
    if (!lansOf(all).isEmpty())
        return true;
    return destinationsSet && std::ranges::any_of(all, [](const InterfaceDescription &interface) {
               return isUpWithCarrier(interface) && !ipv4Entries(interface).isEmpty();
           });
}

QList<InterfaceDescription> systemInterfaces()
{
    QList<InterfaceDescription> all;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces())
        all.append({interface.name(), interface.index(), interface.flags(), interface.addressEntries()});
    return all;
}

QString describeLans(const QList<Lan> &lans)
{
    const auto describe = [](const InterfaceDescription &interface) {
        QStringList parts{interface.name};
        for (const QNetworkAddressEntry &entry : interface.addresses)
            parts.append(entry.ip().toString());
        return parts.join(u' ');
    };
    QStringList shown;
    for (const Lan &lan : lans) {
        QStringList alike;
        for (const InterfaceDescription &interface : lan.sliced(1))
            alike.append(describe(interface));
        shown.append(alike.isEmpty() ? describe(lan[0])
                                     : describe(lan[0]) % u" (one LAN with "_s % alike.join(u", "_s) % u')');
    }
    return shown.isEmpty() ? u"none"_s : shown.join(u", "_s);
}

} // namespace corvel
