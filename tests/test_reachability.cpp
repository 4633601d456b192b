#include "net/destinations.h"
#include "net/lan_interfaces.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;
using Flag = QNetworkInterface::InterfaceFlag;

class ReachabilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void interfacesToSendOn();
    void destinations();
};

// Which interfaces a broadcast goes out on, and what the start-up line then says.
void ReachabilityTest::interfacesToSendOn()
{
    const QNetworkInterface::InterfaceFlags lan = Flag::IsUp | Flag::IsRunning | Flag::CanBroadcast;
    const QHostAddress v4(u"10.0.0.2"_s);
    const QHostAddress v6(u"fe80::1"_s);
    const QList<InterfaceDescription> all = {
        {u"eth0"_s, 2, lan | Flag::CanMulticast, {v6, v4}},
        {u"lo"_s, 1, lan | Flag::IsLoopBack, {QHostAddress::LocalHost}},
        {u"cable-out"_s, 3, Flag::IsUp | Flag::CanBroadcast, {v4}},
        {u"down"_s, 4, Flag::IsRunning | Flag::CanBroadcast, {v4}},
        {u"tun0"_s, 5, Flag::IsUp | Flag::IsRunning | Flag::IsPointToPoint, {v4}},
        {u"v6only"_s, 6, lan, {v6}},
        {u"bare"_s, 7, lan, {}},
        {u"noindex"_s, 0, lan, {v4}},
        {u"wlan0"_s, 8, lan, {QHostAddress(u"192.168.1.7"_s), QHostAddress(u"192.168.2.7"_s)}},
    };
    const QList<InterfaceDescription> lans = lanInterfaces(all);
    QCOMPARE(describeLans(lans), u"eth0 10.0.0.2, wlan0 192.168.1.7 192.168.2.7"_s);
    QCOMPARE(lans.value(0).index, 2);
    QCOMPARE(describeLans(lanInterfaces(all.mid(1, 7))), u"none"_s);
}

// The "Destinations" field: what it sends to, or why it is refused (null: refused).
void ReachabilityTest::destinations()
{
    const QList<std::pair<QString, QString>> table = {
        {u""_s, u""_s},
        {u"  "_s, u""_s},
        {u"10.8.0.5"_s, u"10.8.0.5"_s},
        {u" 10.8.0.5 ,192.168.2.255"_s, u"10.8.0.5 192.168.2.255"_s},
        {u"10.8.0.5,"_s, {}},
        {u"10.8.0"_s, {}},
        {u"10.8.0.256"_s, {}},
        {u"0.0.0.0"_s, {}},
        {u"0x0a.1.1.1"_s, {}},
        {u"fe80::1"_s, {}},
        {u"host.example"_s, {}},
        {u"10.8.0.5; 10.8.0.6"_s, {}},
    };
    for (const auto &[text, sent] : table) {
        QString why;
        const auto addresses = parseDestinations(text, &why);
        QStringList shown;
        for (const QHostAddress &address : addresses.value_or(QList<QHostAddress>()))
            shown.append(address.toString());
        QVERIFY2(addresses ? shown.join(u' ') == sent : sent.isNull() && why.contains(u"is not an IPv4 address"),
                 qPrintable(text));
    }
}

QTEST_GUILESS_MAIN(ReachabilityTest)
#include "test_reachability.moc"
