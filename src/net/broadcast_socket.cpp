// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {

constexpr quint32 limitedBroadcast = 0xffffffff;

} // namespace

BroadcastSocket::BroadcastSocket(std::chrono::nanoseconds passTime, QObject *parent)
    : DatagramSocket(parent), m_passTime(passTime)
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
    m_reader = std::make_unique<DatagramReader>(*socket, m_passTime);
    connect(m_reader.get(), &DatagramReader::received, this, &BroadcastSocket::identifySender);
    m_socket = socket;
    (void)currentLans();
    return true;
}

DatagramSocket::SendResult BroadcastSocket::broadcast(const QString &text)
{
    return send(text, std::nullopt);
}

DatagramSocket::SendResult BroadcastSocket::answer(const QString &text, const QList<quint32> &askers)
{
    return send(text, askers);
}

DatagramSocket::SendResult BroadcastSocket::send(const QString &text, const std::optional<QList<quint32>> &askers)
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
    const QList<QHostAddress> destinations =
        beyondLan(m_destinations ? m_destinations() : QList<QHostAddress>(), learnedSenders(), askers);
    for (const QHostAddress &destination : destinations)
        sendTo(QNetworkDatagram(payload, destination, port), destination.toString());
    if (lans.isEmpty() && destinations.isEmpty())
        trace(u">>> Error while sending: no network interface is up"_s);
    if (!taken)
        return SendResult::Refused;
    trace(QString(u"Data sent: "_s + text));
    return SendResult::Sent;
}

std::vector<LearnedSenders::Heard> BroadcastSocket::learnedSenders()
{
    if (!learning())
        m_learned.clear();
    return m_learned.current(steadyNow());
}

QList<Lan> BroadcastSocket::currentLans()
{
    const QList<InterfaceDescription> all = systemInterfaces();
    QList<Lan> found = lansOf(all);
    if (QString shown = describeLans(found); shown != m_lansShown) {
        trace(u"Networks: "_s % shown);
        m_lansShown = std::move(shown);
    }
    m_own = OwnNetworks(all, found);
    m_ownRead = steadyNow();
    // A host learned before this copy joined its LAN is a neighbour now, which the broadcast reaches.
    m_learned.forgetOnLan(m_own);
    return found;
}

// Twins are told apart by their sender, and the own addresses are one sender.
void BroadcastSocket::identifySender(Datagram datagram)
{
    if (m_own.isOwnAddress(datagram.sender)) {
        datagram.sender = Datagram::ownHost;
    } else if (datagram.sender == Datagram::ownHost) {
        // 0.0.0.0, a host without an address yet, must not pass for this one; nor is it sent to.
        datagram.sender = limitedBroadcast;
    } else if (isPrivateAddress(datagram.sender) && datagram.destination != limitedBroadcast &&
               !m_own.isOnLan(datagram.sender)) {
        // The interfaces may have changed since the last send; they are read again at most once a
        // second, so that a stream of unicasts cannot make every datagram ask the system.
        if (datagram.arrived - m_ownRead >= Seconds(1))
            (void)currentLans();
        if (learning() && learnsFrom(datagram.sender, datagram.destination, datagram.payload, m_own))
            m_learned.heard(datagram.sender, datagram.arrived);
        datagram.fromLearnedSender = m_learned.contains(datagram.sender);
    }
    Q_EMIT received(datagram); // NOLINT(readability-misleading-indentation): Q_EMIT expands to nothing
}

bool BroadcastSocket::caughtUp() const
{
    return m_reader == nullptr || m_reader->caughtUp();
}

void BroadcastSocket::setDestinations(std::function<QList<QHostAddress>()> destinations)
{
    m_destinations = std::move(destinations);
}

void BroadcastSocket::setLearning(std::function<bool()> learning)
{
    m_learning = std::move(learning);
}

} // namespace corvel
