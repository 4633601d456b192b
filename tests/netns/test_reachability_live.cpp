#include "net/reachability.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

// Runs in a namespace of its own whose only default route goes through loopback, so changing the
// routes here touches nothing outside.
class ReachabilityLiveTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void followsTheDefaultRoute();
};

namespace {

bool route(const QStringList &arguments)
{
    return QProcess::execute(u"ip"_s, QStringList{u"route"_s} + arguments) == 0;
}

} // namespace

void ReachabilityLiveTest::followsTheDefaultRoute()
{
    QVERIFY(corvel::Reachability::isNetworkReachable());
    QVERIFY(route({u"del"_s, u"default"_s}));
    QVERIFY(!corvel::Reachability::isNetworkReachable());
    QVERIFY(route({u"add"_s, u"default"_s, u"dev"_s, u"lo"_s}));
    QVERIFY(corvel::Reachability::isNetworkReachable());
}

QTEST_GUILESS_MAIN(ReachabilityLiveTest)
#include "test_reachability_live.moc"
