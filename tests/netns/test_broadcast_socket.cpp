#include "net/broadcast_socket.h"
#include "support/trace_capture.h"

#include <QFile>
#include <QNetworkInterface>
#include <QProcess>
#include <QTest>
#include <QUdpSocket>

using namespace corvel;
using namespace Qt::StringLiterals;

namespace {

using Payloads = QByteArrayList;

void collectInto(BroadcastSocket &socket, Payloads &payloads)
{
    socket.setReceiveHandler([&payloads](QByteArrayView payload) { payloads.push_back(payload.toByteArray()); });
}

// Datagrams on loopback arrive in order, so once the marker is in, nothing sent before it is
// still on its way.
bool waitForLast(const Payloads &payloads, const QByteArray &marker)
{
    return QTest::qWaitFor([&] { return !payloads.empty() && payloads.back() == marker; }, 2000);
}

int route(const QStringList &arguments)
{
    return QProcess::execute(u"ip"_s, QStringList{u"route"_s} + arguments);
}

// A peer that is no copy of ours: it speaks raw datagrams from an unbound socket.
void sendAsForeignPeer(const QByteArray &payload)
{
    QUdpSocket peer;
    QCOMPARE(peer.writeDatagram(payload, QHostAddress::Broadcast, BroadcastSocket::port), payload.size());
}

// These tests broadcast, so they refuse to run anywhere but in a network namespace whose only
// interface is loopback and whose default route leads there.
QString whyNotIsolated()
{
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        if (!interface.flags().testFlag(QNetworkInterface::IsLoopBack))
            return u"interface %1 leads out of this machine"_s.arg(interface.name());
    }
    QFile routes(u"/proc/net/route"_s);
    if (!routes.open(QIODevice::ReadOnly))
        return u"cannot read /proc/net/route"_s;
    for (const QByteArray &line : routes.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 7 && fields[0] == "lo" && fields[1] == "00000000" && fields[7] == "00000000")
            return {};
    }
    return u"no default route through lo"_s;
}

} // namespace

class BroadcastSocketTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void ownBroadcastComesBack();
    void everyCopyOnTheHostReceives();
    void portHeldWithoutSharingFailsUntilReleased();
    void sendWithoutRouteIsRefused();
    void sizeLimit_data();
    void sizeLimit();
    void foreignPayloadArrivesRaw_data();
    void foreignPayloadArrivesRaw();
    void backlogLongerThanOnePassArrivesWhole();

private:
    test::TraceCapture m_trace;
};

void BroadcastSocketTest::initTestCase()
{
    const QString problem = whyNotIsolated();
    QVERIFY2(problem.isEmpty(), qPrintable(problem + u"; run it through tests/netns/run-in-netns.sh"_s));
}

void BroadcastSocketTest::init()
{
    m_trace.lines.clear();
}

void BroadcastSocketTest::ownBroadcastComesBack()
{
    BroadcastSocket socket;
    Payloads received;
    collectInto(socket, received);
    QVERIFY(socket.access());
    QVERIFY(socket.access());

    const QString text = u"  anna    >    grüße €"_s;
    QCOMPARE(socket.broadcast(text), DatagramSocket::SendResult::Sent);
    QCOMPARE(socket.broadcast(u"marker"_s), DatagramSocket::SendResult::Sent);
    QVERIFY(waitForLast(received, "marker"));
    QCOMPARE(received, (Payloads{text.toUtf8(), "marker"}));
    QCOMPARE(socket.findChildren<QUdpSocket *>().size(), 1);
    QCOMPARE(m_trace.lines, (QStringList{u"Data sent: "_s + text, u"Data sent: marker"_s}));
}

void BroadcastSocketTest::everyCopyOnTheHostReceives()
{
    BroadcastSocket first;
    BroadcastSocket second;
    Payloads firstReceived;
    Payloads secondReceived;
    collectInto(first, firstReceived);
    collectInto(second, secondReceived);
    QVERIFY(first.access());
    QVERIFY(second.access());

    QCOMPARE(second.broadcast(u"hello"_s), DatagramSocket::SendResult::Sent);
    QVERIFY(waitForLast(firstReceived, "hello"));
    QVERIFY(waitForLast(secondReceived, "hello"));
    QCOMPARE(firstReceived.size(), 1);
    QCOMPARE(secondReceived.size(), 1);
}

void BroadcastSocketTest::portHeldWithoutSharingFailsUntilReleased()
{
    QUdpSocket holder;
    QVERIFY(holder.bind(QHostAddress::AnyIPv4, BroadcastSocket::port, QAbstractSocket::DontShareAddress));
    BroadcastSocket socket;
    Payloads received;
    collectInto(socket, received);

    QVERIFY(!socket.access());
    QCOMPARE(socket.broadcast(u"lost"_s), DatagramSocket::SendResult::NoSocket);
    QVERIFY(!socket.access());
    QVERIFY(socket.findChildren<QUdpSocket *>().isEmpty());
    const QString failure = u">>> Error while initializing socket: The bound address is already in use"_s;
    QCOMPARE(m_trace.lines, (QStringList{failure, failure}));

    holder.close();
    QVERIFY(socket.access());
    QCOMPARE(socket.broadcast(u"back"_s), DatagramSocket::SendResult::Sent);
    QVERIFY(waitForLast(received, "back"));
    QCOMPARE(received.size(), 1);
}

void BroadcastSocketTest::sendWithoutRouteIsRefused()
{
    BroadcastSocket socket;
    QVERIFY(socket.access());
    QCOMPARE(route({u"del"_s, u"default"_s}), 0);
    const auto result = socket.broadcast(u"nowhere"_s);
    QCOMPARE(route({u"add"_s, u"default"_s, u"dev"_s, u"lo"_s}), 0);
    QCOMPARE(result, DatagramSocket::SendResult::Refused);
    QCOMPARE(m_trace.lines, QStringList{u">>> Error while sending: Unable to send a message"_s});
}

void BroadcastSocketTest::sizeLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::newRow("largest datagram") << QString(maxDatagramPayload, u'a') << true;
    QTest::newRow("one byte over") << QString(maxDatagramPayload + 1, u'a') << false;
    // 21,836 characters, but 65,508 bytes once encoded.
    QTest::newRow("over only in UTF-8") << QString((maxDatagramPayload + 1) / 3, u'€') << false;
}

void BroadcastSocketTest::sizeLimit()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    BroadcastSocket socket;
    Payloads received;
    collectInto(socket, received);
    QVERIFY(socket.access());

    const auto expected = fits ? DatagramSocket::SendResult::Sent : DatagramSocket::SendResult::TooLarge;
    QCOMPARE(socket.broadcast(text), expected);
    QCOMPARE(socket.broadcast(u"marker"_s), DatagramSocket::SendResult::Sent);
    QVERIFY(waitForLast(received, "marker"));
    QCOMPARE(received, (fits ? Payloads{text.toUtf8(), "marker"} : Payloads{"marker"}));
    QCOMPARE(m_trace.lines.first().startsWith(u"Data sent: "_s), fits);
}

void BroadcastSocketTest::foreignPayloadArrivesRaw_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not UTF-8") << QByteArray("\xFF");
    QTest::newRow("NUL inside") << QByteArray("a\0b", 3);
}

void BroadcastSocketTest::foreignPayloadArrivesRaw()
{
    QFETCH(QByteArray, payload);
    BroadcastSocket socket;
    Payloads received;
    collectInto(socket, received);
    QVERIFY(socket.access());

    sendAsForeignPeer(payload);
    sendAsForeignPeer("marker");
    QVERIFY(waitForLast(received, "marker"));
    QCOMPARE(received, (Payloads{payload, "marker"}));
}

// One pass over the socket reads a bounded batch; the rest must still come in the next passes.
void BroadcastSocketTest::backlogLongerThanOnePassArrivesWhole()
{
    BroadcastSocket socket;
    Payloads received;
    collectInto(socket, received);
    QVERIFY(socket.access());
    // Room in the kernel for the whole backlog, so that none of it is dropped there.
    auto *udp = socket.findChild<QUdpSocket *>();
    QVERIFY(udp);
    udp->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4 << 20);

    Payloads sent;
    QUdpSocket peer;
    for (int i = 0; i < 1000; ++i) {
        sent.push_back(QByteArray::number(i));
        QCOMPARE(peer.writeDatagram(sent.back(), QHostAddress::Broadcast, BroadcastSocket::port), sent.back().size());
    }
    QVERIFY(waitForLast(received, sent.back()));
    QCOMPARE(received, sent);
}

QTEST_GUILESS_MAIN(BroadcastSocketTest)
#include "test_broadcast_socket.moc"
