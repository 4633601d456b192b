#include "net/lan_interfaces.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace corvel {

QList<InterfaceDescription> lanInterfaces(const QList<InterfaceDescription> &all)
{
    using Flag = QNetworkInterface::InterfaceFlag;
    QList<InterfaceDescription> lans;
    for (const InterfaceDescription &interface : all) {
        const auto flags = interface.flags;
        // A cable out leaves the interface up without a carrier (not running): nothing gets through.
        if (!flags.testFlag(Flag::IsUp) || !flags.testFlag(Flag::IsRunning) || !flags.testFlag(Flag::CanBroadcast) ||
            flags.testFlag(Flag::IsLoopBack) || interface.index <= 0)
            continue;
        InterfaceDescription lan{interface.name, interface.index, flags, {}};
        for (const QHostAddress &address : interface.addresses) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol)
                lan.addresses.append(address);
        }
        if (!lan.addresses.isEmpty())
            lans.append(lan);
    }
    return lans;
}

QList<InterfaceDescription> systemInterfaces()
{
    QList<InterfaceDescription> all;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        InterfaceDescription description{interface.name(), interface.index(), interface.flags(), {}};
        for (const QNetworkAddressEntry &entry : interface.addressEntries())
            description.addresses.append(entry.ip());
        all.append(description);
    }
    return all;
}

QString describeLans(const QList<InterfaceDescription> &lans)
{
    QStringList parts;
    for (const InterfaceDescription &lan : lans) {
        QStringList addresses;
        for (const QHostAddress &address : lan.addresses)
            addresses.append(address.toString());
        parts.append(lan.name + u' ' + addresses.join(u' '));
    }
    return parts.isEmpty() ? u"none"_s : parts.join(u", "_s);
}

} // namespace corvel
