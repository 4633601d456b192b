#include "net/wire.h"

#include <QTest>

#include <array>

using namespace Qt::StringLiterals;
using corvel::wire::MessageKind;

namespace corvel::wire {

// Names in failure messages instead of numbers.
char *toString(MessageKind kind)
{
    static constexpr std::array names = {"PresenceRequest",   "Call",       "Flash",   "Clear", "CallAcknowledgement",
                                         "OwnPresenceAnswer", "SystemLine", "ChatLine"};
    return qstrdup(names.at(static_cast<std::size_t>(kind)));
}

} // namespace corvel::wire

class WireTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pieces_data();
    void pieces();
    void builders_data();
    void builders();
    void classify_data();
    void classify();
};

void WireTest::pieces_data()
{
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("size");

    using namespace corvel::wire;
    QTest::newRow("chat prefix") << chatPrefix.toString() << "  "_ba << 2;
    QTest::newRow("chat separator") << chatSeparator.toString() << "    >    "_ba << 9;
    QTest::newRow("system prefix") << systemPrefix.toString() << " SYSTEM  >  "_ba << 12;
    QTest::newRow("announcement prefix") << announcementPrefix.toString() << "  SYSTEM  > "_ba << 12;
    QTest::newRow("announcement tail") << announcementTail.toString() << " asked: Who is online? "_ba << 23;
    QTest::newRow("presence answer tail") << presenceAnswerTail.toString() << " IS ONLINE"_ba << 10;
    QTest::newRow("presence notice") << presenceNotice.toString() << " SYSTEM  >  You are online"_ba << 26;
    QTest::newRow("presence query line") << presenceQueryLine.toString() << " SYSTEM  >  <online?>"_ba << 21;
    QTest::newRow("call text") << callText.toString() << " SYSTEM  >  CALLING"_ba << 19;
    QTest::newRow("acknowledgement head") << acknowledgementHead.toString() << " SYSTEM  >  Call recived by "_ba << 28;
    QTest::newRow("presence tag") << presenceTag.toString() << "<online?>"_ba << 9;
    QTest::newRow("flash tag") << flashTag.toString() << "<flash>"_ba << 7;
    QTest::newRow("clear tag") << clearTag.toString() << "<clear>"_ba << 7;
    QTest::newRow("call test") << callTest.toString() << "SYSTEM  >  CALLING"_ba << 18;
    QTest::newRow("acknowledgement test") << acknowledgementTest.toString() << " SYSTEM  >  Call recived by"_ba << 27;
}

void WireTest::pieces()
{
    QFETCH(QString, piece);
    QFETCH(QByteArray, bytes);
    QFETCH(int, size);
    QCOMPARE(piece.toUtf8(), bytes);
    QCOMPARE(bytes.size(), size);
}

void WireTest::builders_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    using namespace corvel::wire;
    QTest::newRow("chat line") << chatLine(u"ann", u"hello") << "  ann    >    hello"_ba;
    QTest::newRow("chat line, empty message") << chatLine(u"ann", u"") << "  ann    >    "_ba;
    QTest::newRow("chat line, names and text unchanged")
        << chatLine(u" zoë ", u" <clear>\t€ ") << "   zo\xC3\xAB     >     <clear>\t\xE2\x82\xAC "_ba;
    QTest::newRow("start-up presence query") << chatLine(u"ann", presenceTag) << "  ann    >    <online?>"_ba;
    QTest::newRow("query announcement") << queryAnnouncement(u"ann") << "  SYSTEM  > ann asked: Who is online? "_ba;
    QTest::newRow("presence answer") << presenceAnswer(u"ann") << " SYSTEM  >  ann IS ONLINE"_ba;
    QTest::newRow("presence answer, empty name") << presenceAnswer(u"") << " SYSTEM  >   IS ONLINE"_ba;
    QTest::newRow("call acknowledgement") << callAcknowledgement(u"ann") << " SYSTEM  >  Call recived by ann"_ba;
    QTest::newRow("call acknowledgement, emoji name")
        << callAcknowledgement(u"😀") << " SYSTEM  >  Call recived by \xF0\x9F\x98\x80"_ba;
}

void WireTest::builders()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(text.toUtf8(), bytes);
}

void WireTest::classify_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("localUser");
    QTest::addColumn<MessageKind>("kind");

    using namespace corvel::wire;
    const QString bob = u"bob"_s;
    auto row = [&](const char *name, const QString &text, MessageKind kind, const QString &local = u"bob"_s) {
        QTest::newRow(name) << text << local << kind;
    };

    row("chat line", chatLine(u"ann", u"hello"), MessageKind::ChatLine);
    row("own chat line is not told by name", chatLine(u"bob", u"hello"), MessageKind::ChatLine);
    row("empty text", QString(), MessageKind::ChatLine);
    row("tags are case-sensitive", chatLine(u"ann", u"<ONLINE?> <Flash> <CLEAR> system  >  calling"),
        MessageKind::ChatLine);

    row("start-up presence query", chatLine(u"ann", presenceTag), MessageKind::PresenceRequest);
    row("presence query line", presenceQueryLine.toString(), MessageKind::PresenceRequest);
    row("presence tag mid-message", chatLine(u"ann", u"are you<online?>there"), MessageKind::PresenceRequest);
    row("presence tag in the user name", chatLine(u"a<online?>", u"hi"), MessageKind::PresenceRequest);
    row("presence tag before a call", chatLine(u"ann", u"<online?> SYSTEM  >  CALLING"), MessageKind::PresenceRequest);
    row("acknowledgement by a tagged name", callAcknowledgement(u"<online?>"), MessageKind::PresenceRequest);
    row("answer tail without the system prefix first", chatLine(u"ann", u"<online?> IS ONLINE"),
        MessageKind::PresenceRequest);
    row("answer text with something after it", presenceAnswer(u"<online?>") + u"!"_s, MessageKind::PresenceRequest);

    row("call", callText.toString(), MessageKind::Call);
    row("call without the leading blank", callTest.toString(), MessageKind::Call);
    row("call inside a chat message", chatLine(u"ann", u"xSYSTEM  >  CALLINGx"), MessageKind::Call);
    row("call before flash", callText + flashTag, MessageKind::Call);
    row("acknowledgement naming the call text", callAcknowledgement(u"SYSTEM  >  CALLING"), MessageKind::Call);

    row("flash", chatLine(u"ann", flashTag), MessageKind::Flash);
    row("flash then clear", chatLine(u"ann", u"<flash><clear>"), MessageKind::Flash);
    row("clear then flash", chatLine(u"ann", u"<clear> and <flash>"), MessageKind::Flash);
    row("flash in an acknowledgement", callAcknowledgement(u"<flash>"), MessageKind::Flash);

    row("clear", chatLine(u"ann", clearTag), MessageKind::Clear);
    row("clear in the user name", chatLine(u"<clear>ann", u"hello"), MessageKind::Clear);
    row("clear in a presence answer", presenceAnswer(u"<clear>"), MessageKind::Clear);

    row("acknowledgement", callAcknowledgement(u"ann"), MessageKind::CallAcknowledgement);
    row("acknowledgement naming this copy", callAcknowledgement(bob), MessageKind::CallAcknowledgement);
    row("acknowledgement head without its blank", acknowledgementTest.toString(), MessageKind::CallAcknowledgement);
    row("acknowledgement inside a chat message", chatLine(u"ann", acknowledgementHead),
        MessageKind::CallAcknowledgement);

    row("own presence answer", presenceAnswer(bob), MessageKind::OwnPresenceAnswer);
    row("own presence answer, empty name", presenceAnswer(u""), MessageKind::OwnPresenceAnswer, QString());
    row("own presence answer inside a chat line", chatLine(u"ann", presenceAnswer(bob)),
        MessageKind::OwnPresenceAnswer);
    row("other copy's answer", presenceAnswer(u"ann"), MessageKind::SystemLine);
    row("answer of a longer name", presenceAnswer(u"bobby"), MessageKind::SystemLine);
    row("answer of a name ending like ours", presenceAnswer(u"jbob"), MessageKind::SystemLine);

    // A presence answer is never a request, whatever the name holds: copies with such names
    // would otherwise answer each other's answers forever.
    row("answer naming the tag, own", presenceAnswer(u"<online?>"), MessageKind::OwnPresenceAnswer, u"<online?>"_s);
    row("answer naming the tag, other", presenceAnswer(u"<online?>"), MessageKind::SystemLine);
    row("answer with the tag inside a name, own", presenceAnswer(u"x<online?>y"), MessageKind::OwnPresenceAnswer,
        u"x<online?>y"_s);
    row("answer with the tag inside a name, other", presenceAnswer(u"x<online?>y"), MessageKind::SystemLine);

    row("presence notice", presenceNotice.toString(), MessageKind::SystemLine);
    row("system prefix inside a chat message", chatLine(u"ann", systemPrefix), MessageKind::SystemLine);
    row("query announcement is a chat line", queryAnnouncement(u"ann"), MessageKind::ChatLine);
    row("query announcement by this copy", queryAnnouncement(bob), MessageKind::ChatLine);
    row("query announcement, name beginning with a blank", queryAnnouncement(u" ann"), MessageKind::SystemLine);
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
