#include "net/wire.h"

#include <QTest>

#include <initializer_list>
#include <utility>

using namespace Qt::StringLiterals;
using namespace corvel::wire;

class WireTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bytes();
    void classify_data();
    void classify();
};

// Copies of every version must understand each other, so every text is pinned to the byte.
void WireTest::bytes()
{
    const QList<std::pair<QString, QByteArray>> table = {
        {chatLine(u"ann", u"hello"), "  ann    >    hello"_ba},
        {chatLine(u"ann", u""), "  ann    >    "_ba},
        {chatLine(u" zoë ", u" <clear>\t€ "), "   zo\xC3\xAB     >     <clear>\t\xE2\x82\xAC "_ba},
        {queryAnnouncement(u"ann"), "  SYSTEM  > ann asked: Who is online? "_ba},
        {presenceAnswer(u"ann"), " SYSTEM  >  ann IS ONLINE"_ba},
        {callAcknowledgement(u"ann"), " SYSTEM  >  Call recived by ann"_ba},
        {systemPrefix.toString(), " SYSTEM  >  "_ba},
        {presenceNotice.toString(), " SYSTEM  >  You are online"_ba},
        {presenceQueryLine.toString(), " SYSTEM  >  <online?>"_ba},
        {callText.toString(), " SYSTEM  >  CALLING"_ba},
        {callTest.toString(), "SYSTEM  >  CALLING"_ba},
        {acknowledgementTest.toString(), " SYSTEM  >  Call recived by"_ba},
        {presenceTag.toString(), "<online?>"_ba},
        {flashTag.toString(), "<flash>"_ba},
        {clearTag.toString(), "<clear>"_ba}};
    for (const auto &[text, expected] : table)
        QCOMPARE(text.toUtf8(), expected);
}

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

    // The first test that matches decides; a tag counts wherever it stands, in a name too.
    rows(K::PresenceRequest,
         {presenceQueryLine.toString(), chatLine(u"ann", u"are you<online?>there"), chatLine(u"a<online?>", u"hi"),
          chatLine(u"ann", u"<online?> SYSTEM  >  CALLING"), callAcknowledgement(u"<online?>"),
          chatLine(u"ann", u"<online?> IS ONLINE"), presenceAnswer(u"<online?>") + u"!"_s});
    rows(K::Call,
         {callText + flashTag, chatLine(u"ann", u"xSYSTEM  >  CALLINGx"), callAcknowledgement(u"SYSTEM  >  CALLING")});
    rows(K::Flash, {chatLine(u"ann", u"<clear> and <flash>"), callAcknowledgement(u"<flash>")});
    rows(K::Clear, {chatLine(u"<clear>ann", u"hi"), presenceAnswer(u"<clear>")});
    rows(K::CallAcknowledgement, {callAcknowledgement(u"ann"), chatLine(u"ann", acknowledgementTest)});
    // Only an answer naming exactly this copy is its own.
    rows(K::OwnPresenceAnswer, {presenceAnswer(u"bob"), chatLine(u"ann", presenceAnswer(u"bob"))});
    rows(K::OwnPresenceAnswer, {presenceAnswer(u"")}, QString());
    // An answer is never a request, whatever the name holds, or such copies would answer each other forever.
    rows(K::OwnPresenceAnswer, {presenceAnswer(u"<online?>")}, u"<online?>"_s);
    rows(K::SystemLine, {presenceAnswer(u"x<online?>y"), presenceAnswer(u"ann"), presenceAnswer(u"bobby"),
                         presenceAnswer(u"jbob"), presenceNotice.toString(), queryAnnouncement(u" ann")});
    // Tags are case-sensitive, and the query announcement's prefix is not the system prefix.
    rows(K::ChatLine, {QString(), chatLine(u"ann", u"hello"), queryAnnouncement(u"ann"),
                       chatLine(u"ann", u"<ONLINE?> <Flash> <CLEAR> system  >  calling")});
}

void WireTest::classify()
{
    QFETCH(QString, text);
    QFETCH(QString, localUser);
    QFETCH(MessageKind, kind);
    QCOMPARE(corvel::wire::classify(text, localUser), kind);
}

QTEST_GUILESS_MAIN(WireTest)
#include "test_wire.moc"
