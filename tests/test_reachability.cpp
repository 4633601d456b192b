#include "net/route_table.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// As the kernel writes it: a header, then one tab-separated line per route padded with blanks.
const QString header =
    u"Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT       \n"_s;

QString route(QStringView iface, QStringView destination, QStringView flags, QStringView mask)
{
    return iface % u"\t"_s % destination % u"\t0101A8C0\t"_s % flags % u"\t0\t0\t100\t"_s % mask %
           u"\t0\t0\t0                                                                               \n"_s;
}

} // namespace

class ReachabilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
};

void ReachabilityTest::parse_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("reachable");

    const QString defaultUp = route(u"eth0", u"00000000", u"0003", u"00000000");
    const QString lan = route(u"eth0", u"0001A8C0", u"0001", u"00FFFFFF");

    QTest::newRow("empty text") << QString() << false;
    QTest::newRow("header only") << header << false;
    QTest::newRow("no default route") << header + lan << false;
    QTest::newRow("default route up") << header + defaultUp << true;
    QTest::newRow("default route among others") << header + lan + defaultUp + lan << true;
    QTest::newRow("default route without the up flag")
        << header + route(u"eth0", u"00000000", u"0002", u"00000000") << false;
    QTest::newRow("up flag among others") << header + route(u"wlan0", u"00000000", u"C00B", u"00000000") << true;
    QTest::newRow("lowercase hex") << header + route(u"eth0", u"00000000", u"000b", u"00000000") << true;
    QTest::newRow("to 0.0.0.0 with a mask is not default")
        << header + route(u"eth0", u"00000000", u"0001", u"000000FF") << false;
    QTest::newRow("zero mask to another destination")
        << header + route(u"eth0", u"0000000A", u"0001", u"00000000") << false;
    QTest::newRow("default via loopback") << header + route(u"lo", u"00000000", u"0001", u"00000000") << true;
    QTest::newRow("no header, no trailing newline")
        << route(u"eth0", u"00000000", u"0001", u"00000000").trimmed() << true;
    QTest::newRow("CRLF line ends") << header + route(u"eth0", u"00000000", u"0001", u"00000000").trimmed() + u"\r\n"_s
                                    << true;

    QTest::newRow("malformed: columns cut before the mask")
        << header + u"eth0\t00000000\t00000000\t0003\t0\t0\t0\n"_s << false;
    QTest::newRow("malformed: blanks instead of tabs")
        << header + u"eth0 00000000 0101A8C0 0003 0 0 100 00000000 0 0 0\n"_s << false;
    QTest::newRow("malformed: not hex") << header + route(u"eth0", u"0000000G", u"0003", u"00000000") << false;
    QTest::newRow("malformed: 0x prefix") << header + route(u"eth0", u"0x0", u"0003", u"0x0") << false;
    QTest::newRow("malformed: empty fields") << header + route(u"eth0", u"", u"0003", u"") << false;
    QTest::newRow("malformed: too many digits")
        << header + route(u"eth0", u"00000000", u"100000001", u"00000000") << false;
    QTest::newRow("malformed line before a good one")
        << header + u"\t\t\n\xFFFF garbage\n"_s + route(u"eth0", u"00000000", u"0001", u"00000000") << true;
}

void ReachabilityTest::parse()
{
    QFETCH(QString, table);
    QFETCH(bool, reachable);
    QCOMPARE(corvel::hasDefaultRouteUp(table), reachable);
}

QTEST_GUILESS_MAIN(ReachabilityTest)
#include "test_reachability.moc"
