#include "net/wire.h"

#include <QTest>

class WireTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() { QVERIFY(true); }
};

QTEST_GUILESS_MAIN(WireTest)
#include "test_wire.moc"
