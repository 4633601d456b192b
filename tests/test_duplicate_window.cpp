#include "net/duplicate_window.h"

#include <QTest>

#include <array>

using namespace corvel;

class DuplicateWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void arrivals();
};

// Twins within half a second of the first arrival count once; a flood of distinct datagrams
// (here over a capacity of three) makes it forget the oldest rather than grow.
void DuplicateWindowTest::arrivals()
{
    struct Arrival {
        const char *payload;
        double ms;
        bool repeat;
    };
    const auto arrivals = std::to_array<Arrival>({{"a", 0, false},
                                                  {"a", 1, true},
                                                  {"b", 1, false},
                                                  {"a", 150, true},
                                                  {"a", 400, true},
                                                  {"a", 500, false},
                                                  {"a", 999, true},
                                                  {"b", 1000, false},
                                                  {"", 1001, false},
                                                  {"", 1002, true},
                                                  {"c", 1003, false},
                                                  {"d", 1004, false},
                                                  {"a", 1005, false},
                                                  {"a", 1006, true}});
    DuplicateWindow window(Seconds(0.5), 3);
    for (const Arrival &arrival : arrivals)
        QVERIFY2(window.isRepeat(arrival.payload, Seconds(arrival.ms / 1000)) == arrival.repeat,
                 qPrintable(QString::fromLatin1(arrival.payload) + QString::number(arrival.ms)));
}

QTEST_GUILESS_MAIN(DuplicateWindowTest)
#include "test_duplicate_window.moc"
