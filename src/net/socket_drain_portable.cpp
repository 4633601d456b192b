// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/socket_drain.h"

#include "platform/trace.h"

#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QThread>
#include <QUdpSocket>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

constexpr int datagramsPerBatch = 64;
// The system's buffer bridges the moments in which the reader thread is not running. Systems cap
// what they grant, each at its own limit; asking for more than that is harmless.
constexpr int receiveBufferCeiling = 4 << 20;

} // namespace

// A socket of its own on the shared port, read by Qt in an event loop on a thread of its own: the
// caller's socket cannot be read there, as a Qt socket belongs to one thread. Datagrams are stamped
// when this thread takes them, and what the system dropped is not known.
class SocketDrain::Thread {
public:
    Thread(QUdpSocket &shared, Deliver deliver) : m_deliver(std::move(deliver))
    {
        // Every copy of a broadcast reaches both sockets; the caller's is never read, so it keeps
        // no more than the system's least.
        shared.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 0);
        m_home.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_home, [this, port = shared.localPort()] { open(port); }, Qt::BlockingQueuedConnection);
    }

    ~Thread()
    {
        QMetaObject::invokeMethod(
            &m_home,
            [this] {
                m_socket.reset();
                // Let go of the thread, which ends before the object does.
                m_home.moveToThread(nullptr);
            },
            Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    Thread(const Thread &) = delete;
    Thread &operator=(const Thread &) = delete;

private:
    void open(quint16 port)
    {
        m_socket = std::make_unique<QUdpSocket>();
        m_socket->setProxy(QNetworkProxy::NoProxy);
        if (!m_socket->bind(QHostAddress::AnyIPv4, port,
                            QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
            trace(QString(u">>> Error while initializing socket: "_s + m_socket->errorString()));
            return;
        }
        if (m_socket->socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt() < receiveBufferCeiling)
            m_socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, receiveBufferCeiling);
        QObject::connect(m_socket.get(), &QUdpSocket::readyRead, &m_home, [this] { readAll(); });
    }

    void readAll()
    {
        std::vector<QNetworkDatagram> received;
        std::vector<Datagram> batch;
        while (m_socket->hasPendingDatagrams()) {
            received.clear();
            while (qsizetype(received.size()) < datagramsPerBatch && m_socket->hasPendingDatagrams()) {
                QNetworkDatagram datagram = m_socket->receiveDatagram();
                if (!datagram.isValid())
                    break;
                received.push_back(std::move(datagram));
            }
            if (received.empty())
                return;
            const Seconds takenAt = steadyNow();
            batch.clear();
            for (const QNetworkDatagram &datagram : received)
                batch.push_back({QByteArrayView(datagram.data()), datagram.senderAddress().toIPv4Address(), takenAt,
                                 datagram.destinationAddress().toIPv4Address()});
            m_deliver(batch, 0);
        }
    }

    Deliver m_deliver;
    QThread m_thread;
    QObject m_home; // lives on m_thread, where the socket is made, read and deleted
    std::unique_ptr<QUdpSocket> m_socket;
};

SocketDrain::SocketDrain(QUdpSocket &socket, Deliver deliver)
    : m_thread(std::make_unique<Thread>(socket, std::move(deliver)))
{
}

SocketDrain::~SocketDrain() = default;

} // namespace corvel
