#include "net/broadcast_socket.h"

#include "net/datagram_reader.h"
#include "platform/trace.h"

#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QUdpSocket>

#include <algorithm>
#include <chrono>

namespace corvel {

using namespace Qt::StringLiterals;

BroadcastSocket::BroadcastSocket(std::chrono::nanoseconds passTime, QObject *parent)
    : QObject(parent), m_passTime(passTime)
{
}

BroadcastSocket::~BroadcastSocket() = default;

bool BroadcastSocket::access()
{
    if (m_socket != nullptr)
        return true;
    // Several copies on one host must each receive every broadcast, so the port is shared.
    // Qt makes every UDP socket it opens broadcast-capable (SO_BROADCAST).
    auto *socket = new QUdpSocket(this);
    // A broadcast is for the local network and no proxy can carry it. Left to its default, bind
    // asks the system proxy configuration, which starts a resolver thread of its own.
    socket->setProxy(QNetworkProxy::NoProxy);
    if (!socket->bind(QHostAddress::AnyIPv4, port, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        trace(QString(u">>> Error while initializing socket: "_s + socket->errorString()));
        delete socket;
        return false;
    }
    // Qt never reads the socket itself: without a read, it stops watching the descriptor.
    m_reader = std::make_unique<DatagramReader>(
        *socket, [this](const Datagram &datagram) { received(datagram); }, m_passTime);
    m_socket = socket;
    (void)currentLans();
    return true;
}

DatagramSocket::SendResult BroadcastSocket::broadcast(const QString &text)
{
    if (m_socket == nullptr)
        return SendResult::NoSocket;
    const QByteArray payload = text.toUtf8();
    if (payload.size() > maxDatagramPayload) {
        trace(u">>> Error while sending: the text takes %1 bytes, one datagram holds at most %2"_s.arg(payload.size())
                  .arg(maxDatagramPayload));
        return SendResult::TooLarge;
    }
    // One way out that takes it is enough: the others' failures are told, the text counts as sent.
    bool taken = false;
    const auto sendTo = [&](const QNetworkDatagram &datagram, const QString &where) {
        if (m_socket->writeDatagram(datagram) == payload.size())
            taken = true;
        else
            trace(u">>> Error while sending: "_s % where % u": "_s % m_socket->errorString());
    };
    const QList<Lan> lans = currentLans();
    for (const Lan &lan : lans) {
        QNetworkDatagram datagram(payload, QHostAddress::Broadcast, port);
        datagram.setInterfaceIndex(uint(lan[0].index));
        sendTo(datagram, lan[0].name);
    }
    QList<QHostAddress> destinations = m_destinations ? m_destinations() : QList<QHostAddress>();
    for (const QHostAddress &learned : m_learned.current(steadyNow())) {
        if (!destinations.contains(learned))
            destinations.append(learned);
    }
    for (const QHostAddress &destination : destinations)
        sendTo(QNetworkDatagram(payload, destination, port), destination.toString());
    if (lans.isEmpty() && destinations.isEmpty())
        trace(u">>> Error while sending: no network interface is up"_s);
    if (!taken)
        return SendResult::Refused;
    trace(QString(u"Data sent: "_s + text));
    return SendResult::Sent;
}

QList<Lan> BroadcastSocket::currentLans()
{
    const QList<InterfaceDescription> all = systemInterfaces();
    QList<Lan> found = lansOf(all);
    if (QString shown = describeLans(found); shown != m_lansShown) {
        trace(u"Networks: "_s % shown);
        m_lansShown = std::move(shown);
    }
    m_ownAddresses.clear();
    for (const InterfaceDescription &interface : all) {
        for (const QNetworkAddressEntry &entry : interface.addresses) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                m_ownAddresses.push_back(entry.ip().toIPv4Address());
        }
    }
    m_ownNetworks.clear();
    for (const Lan &lan : found) {
        for (const InterfaceDescription &interface : lan) {
            for (const QNetworkAddressEntry &entry : interface.addresses) {
                const quint32 mask = entry.netmask().toIPv4Address();
                m_ownNetworks.push_back({entry.ip().toIPv4Address() & mask, mask});
            }
        }
    }
    return found;
}

// Twins are told apart by their sender, and the own addresses are one sender. Whoever writes from
// beyond the LANs gets this copy's datagrams too, for a while.
void BroadcastSocket::received(Datagram datagram)
{
    if (std::ranges::find(m_ownAddresses, datagram.sender) != m_ownAddresses.end()) {
        datagram.sender = Datagram::ownHost;
    } else if (datagram.sender == Datagram::ownHost) {
        // 0.0.0.0, a host without an address yet, must not pass for this one; nor is it sent to.
        datagram.sender = QHostAddress(QHostAddress::Broadcast).toIPv4Address();
    } else if (std::ranges::none_of(m_ownNetworks, [&datagram](const Network &network) {
                   return (datagram.sender & network.mask) == network.address;
               })) {
        m_learned.heard(datagram.sender, datagram.arrived);
    }
    if (m_handler)
        m_handler(datagram);
}

bool BroadcastSocket::caughtUp() const
{
    return m_reader == nullptr || m_reader->caughtUp();
}

void BroadcastSocket::setDestinations(std::function<QList<QHostAddress>()> destinations)
{
    m_destinations = std::move(destinations);
}

void BroadcastSocket::setReceiveHandler(ReceiveHandler handler)
{
    m_handler = std::move(handler);
}

} // namespace corvel
