// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_network.h"

#include "platform/trace.h"

using namespace Qt::StringLiterals;

namespace corvel::test {

void FakeNetwork::inject(const QByteArray &payload, quint32 sender)
{
    m_loop.after(m_delay, this, [this, payload, sender] {
        for (FakeSocket *socket : std::vector(m_sockets))
            socket->receive(payload, sender);
    });
}

bool FakeSocket::access()
{
    if (!m_setUp && canSetUp) {
        m_setUp = true;
        ++setUps;
    } else if (!m_setUp) {
        trace(u">>> Error while initializing socket: Address already in use");
    }
    return m_setUp;
}

DatagramSocket::SendResult FakeSocket::broadcast(const QString &text)
{
    if (!m_setUp)
        return SendResult::NoSocket;
    const QByteArray payload = text.toUtf8();
    if (payload.size() > maxDatagramPayload)
        return SendResult::TooLarge;
    if (refusing) {
        trace(u">>> Error while sending: Network is unreachable");
        return SendResult::Refused;
    }
    sent.append(text);
    m_network.traffic.append(text);
    trace(u"Data sent: "_s % text);
    m_network.inject(payload, address);
    return SendResult::Sent;
}

void FakeSocket::receive(const QByteArray &payload, quint32 sender)
{
    if (m_setUp && !firewalled)
        Q_EMIT received({payload, sender == address ? Datagram::ownHost : sender, m_network.now()});
}

} // namespace corvel::test
