#include "net/broadcast_socket.h"
#include "support/trace_capture.h"

#include <QNetworkInterface>
#include <QTest>
#include <QUdpSocket>

#include <initializer_list>

using namespace corvel;
using namespace Qt::StringLiterals;
using Result = DatagramSocket::SendResult;

namespace {

// A peer that is no copy of ours: raw datagrams from an unbound socket.
void sendRaw(const QByteArray &payload)
{
    QUdpSocket peer;
    QCOMPARE(peer.writeDatagram(payload, QHostAddress::Broadcast, BroadcastSocket::port), payload.size());
}

struct Copy {
    BroadcastSocket socket;
    QByteArrayList received;
    explicit Copy(std::chrono::nanoseconds passTime = std::chrono::milliseconds(2)) : socket(passTime)
    {
        socket.setReceiveHandler([this](QByteArrayView payload) { received.push_back(payload.toByteArray()); });
    }
};

// Loopback keeps the order: once a marker sent last is in, nothing sent before it is on its way.
void drain(std::initializer_list<Copy *> copies)
{
    sendRaw("marker");
    for (Copy *copy : copies) {
        QVERIFY(QTest::qWaitFor([copy] { return !copy->received.empty() && copy->received.back() == "marker"; }, 2000));
        copy->received.removeLast();
    }
}

} // namespace

class BroadcastSocketTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // These tests broadcast, so they refuse to run where a broadcast could leave the machine.
    void initTestCase()
    {
        for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces())
            QVERIFY2(interface.flags().testFlag(QNetworkInterface::IsLoopBack) || interface.name().startsWith(u"lan"_s),
                     qPrintable(interface.name() + u" leads out; run this through tests/netns/run-in-netns.sh"_s));
    }

    void init() { m_trace.lines.clear(); }

    // The sender's own copy included, and only once however often it asks for its socket.
    void everyCopyOnTheHostReceives()
    {
        Copy first;
        Copy sender;
        QVERIFY(first.socket.access() && sender.socket.access() && sender.socket.access());
        const QString text = u"  anna    >    grüße €"_s;
        QCOMPARE(sender.socket.broadcast(text), Result::Sent);
        drain({&first, &sender});
        QCOMPARE(first.received, QByteArrayList{text.toUtf8()});
        QCOMPARE(sender.received, QByteArrayList{text.toUtf8()});
        // Sent through the one LAN interface, which each socket names when it is set up.
        QCOMPARE(m_trace.lines,
                 QStringList({u"Networks: lan0 10.99.0.1"_s, u"Networks: lan0 10.99.0.1"_s, u"Data sent: "_s + text}));
    }

    void portHeldWithoutSharingFailsUntilReleased()
    {
        QUdpSocket holder;
        QVERIFY(holder.bind(QHostAddress::AnyIPv4, BroadcastSocket::port, QAbstractSocket::DontShareAddress));
        Copy copy;
        QVERIFY(!copy.socket.access());
        QCOMPARE(copy.socket.broadcast(u"lost"_s), Result::NoSocket);
        QCOMPARE(m_trace.lines,
                 QStringList{u">>> Error while initializing socket: The bound address is already in use"_s});
        holder.close();
        QVERIFY(copy.socket.access());
        QCOMPARE(copy.socket.broadcast(u"back"_s), Result::Sent);
        drain({&copy});
        QCOMPARE(copy.received, QByteArrayList{"back"});
    }

    void sizeLimit()
    {
        Copy copy;
        QVERIFY(copy.socket.access());
        const QString largest(maxDatagramPayload, u'a');
        QCOMPARE(copy.socket.broadcast(largest + u'a'), Result::TooLarge);
        // 21,836 characters, but 65,508 bytes once encoded.
        QCOMPARE(copy.socket.broadcast(QString((maxDatagramPayload + 1) / 3, u'€')), Result::TooLarge);
        QCOMPARE(copy.socket.broadcast(largest), Result::Sent);
        drain({&copy});
        QCOMPARE(copy.received, QByteArrayList{largest.toUtf8()});
    }

    void foreignPayloadsArriveRaw()
    {
        Copy copy;
        QVERIFY(copy.socket.access());
        const QByteArrayList payloads = {QByteArray(), "\xFF", QByteArray("a\0b", 3)};
        for (const QByteArray &payload : payloads)
            sendRaw(payload);
        drain({&copy});
        QCOMPARE(copy.received, payloads);
    }

    // A pass whose time has run out before it starts, as on a busy machine, still reads.
    void latePassesStillRead()
    {
        Copy copy(std::chrono::nanoseconds::zero());
        QVERIFY(copy.socket.access());
        const QByteArrayList payloads = {"one", "two", "three"};
        for (const QByteArray &payload : payloads)
            sendRaw(payload);
        drain({&copy});
        QCOMPARE(copy.received, payloads);
    }

private:
    test::TraceCapture m_trace;
};

QTEST_GUILESS_MAIN(BroadcastSocketTest)
#include "test_broadcast_socket.moc"
