// SPDX-License-Identifier: GPL-3.0-or-later
// The network's pure rules: what a received text is, which twins count once, and where a datagram goes.
#include "net/datagram_socket.h"
#include "net/destinations.h"
#include "net/duplicate_window.h"
#include "net/echo_watch.h"
#include "net/lan_interfaces.h"
#include "net/learned_senders.h"
#include "net/own_networks.h"
#include "net/wire.h"
#include "platform/manual_main_loop.h"

#include <QTest>

#include <initializer_list>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::wire;
using Flag = QNetworkInterface::InterfaceFlag;

namespace {

// What an echo watch is told, at ms: 's' sent, 'h' heard.
using EchoEvents = QList<std::pair<char, int>>;

QNetworkAddressEntry entry(const QString &ip, int prefixLength = 24)
{
    QNetworkAddressEntry made;
    made.setIp(QHostAddress(ip));
    made.setPrefixLength(prefixLength);
    return made;
}

} // namespace

class NetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void classify_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("user");
        QTest::addColumn<MessageKind>("kind");
        using K = MessageKind;
        const auto rows = [](K kind, std::initializer_list<QString> texts, const QString &user = u"bob"_s) {
            for (const QString &text : texts)
                QTest::addRow("%s to %s", qPrintable(text), qPrintable(user)) << text << user << kind;
        };
        // Literal texts are the bytes on the wire. The first test that matches decides; a tag counts
        // wherever it stands, in a name too.
        rows(K::PresenceRequest,
             {u" SYSTEM  >  <online?>"_s, chatLine(u"ann", u"are you<online?>there"), chatLine(u"a<online?>", u"hi"),
              chatLine(u"ann", u"<online?> SYSTEM  >  CALLING"), callAcknowledgement(u"<online?>"),
              chatLine(u"ann", u"<online?> IS ONLINE"), presenceAnswer(u"<online?>") + u"!"_s});
        rows(K::Call, {u" SYSTEM  >  CALLING<flash>"_s, chatLine(u"ann", u"xSYSTEM  >  CALLINGx"),
                       callAcknowledgement(u"SYSTEM  >  CALLING")});
        rows(K::Flash, {chatLine(u"ann", u"<clear> and <flash>"), callAcknowledgement(u"<flash>")});
        rows(K::Clear, {chatLine(u"<clear>ann", u"hi"), presenceAnswer(u"<clear>")});
        rows(K::CallAcknowledgement, {u" SYSTEM  >  Call recived by ann"_s, chatLine(u"ann", acknowledgementTest)});
        // Only an answer naming exactly this copy is its own.
        rows(K::OwnPresenceAnswer, {presenceAnswer(u"bob"), chatLine(u"ann", presenceAnswer(u"bob"))});
        rows(K::OwnPresenceAnswer, {presenceAnswer(u"")}, QString());
        // An answer is never a request, whatever the name holds, or such copies would answer each other forever.
        rows(K::OwnPresenceAnswer, {presenceAnswer(u"<online?>")}, u"<online?>"_s);
        rows(K::SystemLine, {presenceAnswer(u"x<online?>y"), u" SYSTEM  >  ann IS ONLINE"_s, presenceAnswer(u"bobby"),
                             presenceAnswer(u"jbob"), u" SYSTEM  >  You are online"_s, queryAnnouncement(u" ann")});
        // Tags are case-sensitive, and the query announcement's prefix is not the system prefix.
        rows(K::ChatLine, {QString(), u"  ann    >    hello"_s, u"  SYSTEM  > ann asked: Who is online? "_s,
                           chatLine(u"ann", u"<ONLINE?> <Flash> <CLEAR> system  >  calling")});
    }
    void classify()
    {
        QFETCH(const QString, text);
        QFETCH(const QString, user);
        QFETCH(const MessageKind, kind);
        QCOMPARE(wire::classify(text, user), kind);
    }

    // Twins from one sender within half a second of the first arrival count once; the same bytes
    // from another host do not; a flood of distinct datagrams (here over a capacity of three) makes
    // it forget the oldest rather than grow. Rows: payload, sender, ms of arrival, a repeat.
    void twins()
    {
        constexpr quint32 a = 0x0a000001;
        constexpr quint32 b = 0x0a000002;
        constexpr quint32 own = Datagram::ownHost;
        const QList<std::tuple<const char *, quint32, double, bool>> arrivals = {
            {"a", a, 0, false},     {"a", a, 1, true},    {"b", a, 1, false},    {"a", a, 150, true},
            {"a", a, 400, true},    {"a", a, 500, false}, {"a", a, 999, true},   {"b", a, 1000, false},
            {"", a, 1001, false},   {"", a, 1002, true},  {"c", a, 1003, false}, {"d", a, 1004, false},
            {"a", a, 1005, false},  {"a", a, 1006, true}, {"a", b, 1007, false}, {"a", own, 1008, false},
            {"a", own, 1009, true}, {"a", b, 1010, true}};
        DuplicateWindow window(Seconds(0.5), 3);
        for (const auto &[payload, sender, ms, repeat] : arrivals)
            QVERIFY2(window.isRepeat(payload, sender, Seconds(ms / 1000)) == repeat,
                     qPrintable(QString::fromLatin1(payload) + QString::number(ms)));
    }

    // Which interfaces a broadcast goes out on, one for each IPv4 network, what the start-up line
    // then says, and when the network counts as reachable without any (a tunnel and a Destination).
    void interfacesToSendOn()
    {
        const QNetworkInterface::InterfaceFlags lan = Flag::IsUp | Flag::IsRunning | Flag::CanBroadcast;
        const QNetworkAddressEntry v4 = entry(u"10.0.0.2"_s);
        const QNetworkAddressEntry v6 = entry(u"fe80::1"_s, 64);
        const QList<InterfaceDescription> all = {
            {u"wlan1"_s, 10, lan, {entry(u"10.0.0.3"_s)}},
            {u"eth0"_s, 2, lan | Flag::CanMulticast, {v6, v4}},
            {u"lo"_s, 1, lan | Flag::IsLoopBack, {entry(u"127.0.0.1"_s, 8)}},
            {u"cable-out"_s, 3, Flag::IsUp | Flag::CanBroadcast, {v4}},
            {u"down"_s, 4, Flag::IsRunning | Flag::CanBroadcast, {v4}},
            {u"tun0"_s, 5, Flag::IsUp | Flag::IsRunning | Flag::IsPointToPoint, {v4}},
            {u"v6only"_s, 6, lan, {v6}},
            {u"bare"_s, 7, lan, {}},
            {u"noindex"_s, 0, lan, {v4}},
            {u"wlan0"_s, 8, lan, {entry(u"192.168.1.7"_s), entry(u"10.0.0.9"_s, 16)}},
        };
        const QList<Lan> lans = lansOf(all);
        QCOMPARE(describeLans(lans), u"eth0 10.0.0.2 (one LAN with wlan1 10.0.0.3), wlan0 192.168.1.7 10.0.0.9"_s);
        QCOMPARE(lans.value(0).value(0).index, 2);
        const QList<InterfaceDescription> noLan = all.mid(2, 7);
        QCOMPARE(describeLans(lansOf(noLan)), u"none"_s);
        QVERIFY(isReachable(all, false));
        QVERIFY(!isReachable(noLan, false));
        QVERIFY(isReachable(noLan, true));
        QVERIFY(!isReachable(all.mid(2, 3) + all.mid(6, 3), true));
    }

    // Who becomes a sender that this copy also sends to. The copy is 10.77.0.1 on the LAN 10.77.0/24
    // and has a tunnel address 100.100.0.2 without a LAN.
    void learnsFromSender_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("learned");
        const QByteArray line = chatLine(u"ann", u"hi").toUtf8();
        const QByteArray system = presenceAnswer(u"ann").toUtf8();
        QTest::newRow("10/8 by unicast") << u"10.9.0.5"_s << u"10.77.0.1"_s << line << true;
        QTest::newRow("to the tunnel address") << u"10.9.0.5"_s << u"100.100.0.2"_s << system << true;
        QTest::newRow("limited broadcast") << u"10.9.0.5"_s << u"255.255.255.255"_s << line << false;
        QTest::newRow("directed broadcast") << u"10.9.0.5"_s << u"10.77.0.255"_s << line << false;
        QTest::newRow("172.16/12 first") << u"172.16.0.1"_s << u"10.77.0.1"_s << line << true;
        QTest::newRow("172.32 is public") << u"172.32.0.1"_s << u"10.77.0.1"_s << line << false;
        QTest::newRow("192.168/16") << u"192.168.2.7"_s << u"10.77.0.1"_s << line << true;
        QTest::newRow("192.169 is public") << u"192.169.2.7"_s << u"10.77.0.1"_s << line << false;
        QTest::newRow("100.64/10 first") << u"100.64.0.1"_s << u"10.77.0.1"_s << line << true;
        QTest::newRow("100.128 is public") << u"100.128.0.1"_s << u"10.77.0.1"_s << line << false;
        QTest::newRow("public") << u"198.51.100.7"_s << u"10.77.0.1"_s << line << false;
        QTest::newRow("neighbour on the LAN") << u"10.77.0.9"_s << u"10.77.0.1"_s << line << false;
        QTest::newRow("own address") << u"100.100.0.2"_s << u"10.77.0.1"_s << line << false;
        QTest::newRow("empty") << u"10.9.0.5"_s << u"10.77.0.1"_s << QByteArray() << false;
        QTest::newRow("not UTF-8") << u"10.9.0.5"_s << u"10.77.0.1"_s << QByteArray("  a    >    \xff") << false;
        QTest::newRow("no separator") << u"10.9.0.5"_s << u"10.77.0.1"_s << QByteArray("  ann hi") << false;
        QTest::newRow("not a copy's text") << u"10.9.0.5"_s << u"10.77.0.1"_s << QByteArray("GET / HTTP/1.0") << false;
    }

    void learnsFromSender()
    {
        QFETCH(QString, sender);
        QFETCH(QString, destination);
        QFETCH(QByteArray, payload);
        QFETCH(bool, learned);
        const QList<InterfaceDescription> all = {
            {u"eth0"_s, 2, Flag::IsUp | Flag::IsRunning | Flag::CanBroadcast, {entry(u"10.77.0.1"_s, 24)}},
            {u"tun0"_s, 3, Flag::IsUp | Flag::IsRunning | Flag::IsPointToPoint, {entry(u"100.100.0.2"_s, 32)}},
        };
        const OwnNetworks own(all, lansOf(all));
        QCOMPARE(
            learnsFrom(QHostAddress(sender).toIPv4Address(), QHostAddress(destination).toIPv4Address(), payload, own),
            learned);
    }

    // At most 64 learned senders, each for ten minutes after its last datagram. Rows: seconds, how
    // many are left, the least recently heard of them.
    void learnedSenders()
    {
        LearnedSenders learned;
        for (quint32 host = 1; host <= 65; ++host)
            learned.heard(host, Seconds(host));
        learned.heard(2, Seconds(300));
        for (const auto &[seconds, left, first] :
             {std::tuple(601, 64U, 3U), {660, 6U, 61U}, {899, 1U, 2U}, {900, 0U, 0U}}) {
            const std::vector<LearnedSenders::Heard> &current = learned.current(Seconds(seconds));
            QCOMPARE(current.size(), left);
            QCOMPARE(current.empty() ? 0U : current.front().address, first);
        }
    }

    // The "Destinations" field: what it sends to, or why it is refused.
    void destinations()
    {
        const QStringList accepted = {u""_s, u"  "_s, u"10.8.0.5"_s, u" 10.8.0.5 ,192.168.2.255"_s};
        const QStringList sentTo = {u""_s, u""_s, u"10.8.0.5"_s, u"10.8.0.5 192.168.2.255"_s};
        const QStringList refused = {u"10.8.0.5,"_s,  u"10.8.0"_s,  u"10.8.0.256"_s,   u"0.0.0.0"_s,
                                     u"0x0a.1.1.1"_s, u"fe80::1"_s, u"host.example"_s, u"10.8.0.5; 10.8.0.6"_s};
        for (const QString &text : accepted + refused) {
            QString why;
            const auto addresses = parseDestinations(text, &why);
            QStringList shown;
            for (const QHostAddress &address : addresses.value_or(QList<QHostAddress>()))
                shown.append(address.toString());
            QVERIFY2(addresses ? shown.join(u' ') == sentTo.value(accepted.indexOf(text), u"refused"_s)
                               : refused.contains(text) && why.contains(u"is not an IPv4 address"),
                     qPrintable(text));
        }
    }

    // Silence after a send is told once, after three seconds, and so is the news that ends it; a
    // send during the silence is told as no news. No timer is left when nothing waits. Silence
    // counts with a LAN to hear from and nothing dropped; told: Silent, still silent, Back.
    void echoWatch_data()
    {
        QTest::addColumn<EchoEvents>("events");
        QTest::addColumn<bool>("counts");
        QTest::addColumn<QString>("expected");
        QTest::newRow("heard in time") << EchoEvents{{'s', 0}, {'h', 2999}, {'s', 5000}, {'h', 5001}} << true << u""_s;
        QTest::newRow("silence, then news")
            << EchoEvents{{'s', 0}, {'s', 2000}, {'h', 3001}, {'h', 3002}} << true << u"SB"_s;
        QTest::newRow("still silent") << EchoEvents{{'s', 0}, {'s', 3500}, {'s', 5000}, {'s', 9000}} << true
                                      << u"Sss"_s;
        QTest::newRow("silence that does not count") << EchoEvents{{'s', 0}, {'s', 4000}} << false << u""_s;
    }
    void echoWatch()
    {
        QFETCH(const EchoEvents, events);
        QFETCH(const bool, counts);
        QFETCH(const QString, expected);
        ManualMainLoop loop;
        QString told;
        EchoWatch watch(loop, Seconds(3), [counts] { return counts; });
        QObject::connect(&watch, &EchoWatch::changed,
                         [&told](EchoWatch::Change change) { told += u"SsB"_s.at(int(change)); });
        for (const auto &[event, ms] : events) {
            loop.advance(Seconds(ms / 1000.0) - loop.now());
            event == 's' ? watch.sent() : watch.heard();
        }
        loop.advance(Seconds(10));
        QCOMPARE(told, expected);
        QCOMPARE(loop.pendingTasks(), 0U);
    }
};

QTEST_GUILESS_MAIN(NetTest)
#include "test_net.moc"
