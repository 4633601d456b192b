#include "net/route_table.h"

#include <QTest>

#include <utility>

using namespace Qt::StringLiterals;

class ReachabilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse();
};

void ReachabilityTest::parse()
{
    // As the kernel writes /proc/net/route: a header, then one tab-separated line per route.
    const QString header = u"Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"_s;
    const auto route = [](QStringView destination, QStringView flags, QStringView mask) -> QString {
        return u"eth0\t"_s + destination + u"\t0101A8C0\t"_s + flags + u"\t0\t0\t100\t"_s + mask + u"\t0\t0\t0  \n"_s;
    };
    const QString lan = route(u"0001A8C0", u"0001", u"00FFFFFF");
    const QList<std::pair<QString, bool>> tables = {
        {QString(), false},
        {header + lan, false},
        {header + route(u"00000000", u"0002", u"00000000"), false},
        {header + lan + route(u"00000000", u"0003", u"00000000") + lan, true},
        {header + route(u"00000000", u"0001", u"000000FF"), false},
        {header + u"eth0\t00000000\t00000000\t0003\t0\t0\t0\n"_s + route(u"0000000G", u"0003", u"00000000"), false},
        {header + u"\t\t\n"_s + route(u"00000000", u"0001", u"00000000"), true}};
    for (const auto &[table, reachable] : tables)
        QVERIFY2(corvel::hasDefaultRouteUp(table) == reachable, qPrintable(table));
}

QTEST_GUILESS_MAIN(ReachabilityTest)
#include "test_reachability.moc"
