// What a received datagram is: its kind, and whether it is a twin of one just acted on.
#include "net/duplicate_window.h"
#include "net/wire.h"

#include <QTest>

#include <initializer_list>

using namespace Qt::StringLiterals;
using namespace corvel::wire;

class WireTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void classify_data();
    void classify();
    void twins();
};

void WireTest::classify_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("localUser");
    QTest::addColumn<MessageKind>("kind");
    const auto rows = [](MessageKind kind, std::initializer_list<QString> texts, const QString &user = u"bob"_s) {
        for (const QString &text : texts)
            QTest::addRow("[%s] to %s", qPrintable(text), qPrintable(user)) << text << user << kind;
    };
    using K = MessageKind;

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

void WireTest::classify()
{
    QFETCH(QString, text);
    QFETCH(QString, localUser);
    QFETCH(MessageKind, kind);
    QCOMPARE(corvel::wire::classify(text, localUser), kind);
}

// Twins within half a second of the first arrival count once; a flood of distinct datagrams
// (here over a capacity of three) makes it forget the oldest rather than grow.
void WireTest::twins()
{
    struct Arrival {
        const char *payload;
        double ms;
        bool repeat;
    };
    const QList<Arrival> arrivals = {{"a", 0, false},    {"a", 1, true},    {"b", 1, false},    {"a", 150, true},
                                     {"a", 400, true},   {"a", 500, false}, {"a", 999, true},   {"b", 1000, false},
                                     {"", 1001, false},  {"", 1002, true},  {"c", 1003, false}, {"d", 1004, false},
                                     {"a", 1005, false}, {"a", 1006, true}};
    corvel::DuplicateWindow window(corvel::Seconds(0.5), 3);
    for (const Arrival &arrival : arrivals)
        QVERIFY2(window.isRepeat(arrival.payload, corvel::Seconds(arrival.ms / 1000)) == arrival.repeat,
                 qPrintable(QString::fromLatin1(arrival.payload) + QString::number(arrival.ms)));
}

QTEST_GUILESS_MAIN(WireTest)
#include "test_wire.moc"
