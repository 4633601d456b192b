// Start-up, the send path and the receive dispatcher of the chat window, on virtual time.
#include "net/wire.h"
#include "settings/keys.h"
#include "support/chat_copy.h"
#include "support/trace_capture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

namespace {

const QString stamp = u"\n 09:05:07  \t "_s;

} // namespace

class ChatWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpOnAFreshStoreGreetsAndQueriesOnce();
    void startUpWithoutNetworkShowsOnlyTheNotice();
    void startUpKeepsAnEmptyUserName();
    void startUpShowsTheAutoHideNoticeWithoutScheduling();
    void startUpTakesTheStoredFontSize();
    void ownLineWindow_data();
    void ownLineWindow();
    void systemLinesStayBlackInsideTheWindow();
    void emptySend();
    void sendWithoutNetworkKeepsTheText();
    void unsentTextStaysInTheField_data();
    void unsentTextStaysInTheField();
    void receivedTextIsDispatchedByKind_data();
    void receivedTextIsDispatchedByKind();
    void markupIsShownLiterally();
    void presenceAnswersAreRateLimited();
    void everyDatagramDrawsAttention();

private:
    TraceCapture m_quiet;
};

void ChatWindowTest::startUpOnAFreshStoreGreetsAndQueriesOnce()
{
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop);
    copy.start();

    QCOMPARE(copy.settings.stringForKey(keys::username), loginName());
    QCOMPARE(network.traffic, QStringList{wire::chatLine(loginName(), u"<online?>")});
    QCOMPARE(copy.transcript(), u"  SYSTEM  >  Welcome to Corvel "_s + loginName() + u" . You are online"_s);
    QVERIFY(copy.view->ui.txtMsg->text().isEmpty());
    // The query's echo is a presence request: answered, never shown.
    loop.advance(Seconds(1));
    QCOMPARE(network.traffic.last(), wire::presenceAnswer(loginName()));
    QCOMPARE(copy.transcript(), u"  SYSTEM  >  Welcome to Corvel "_s + loginName() + u" . You are online"_s);
}

void ChatWindowTest::startUpWithoutNetworkShowsOnlyTheNotice()
{
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop, u"ann"_s);
    copy.settings.setBool(keys::hide, true);
    copy.reachable = false;
    copy.start();
    loop.advance(Seconds(10));

    QCOMPARE(copy.transcript(), u" SYSTEM  >  NO NETWORK CONECTION"_s);
    QVERIFY(network.traffic.isEmpty());
    QCOMPARE(copy.socket.setUps, 0);
}

void ChatWindowTest::startUpKeepsAnEmptyUserName()
{
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop, u""_s);
    copy.start();

    QCOMPARE(copy.transcript(), u"  SYSTEM  >  Welcome to Corvel  . You are online"_s);
    QCOMPARE(copy.settings.stringForKey(keys::username), u""_s);
    QCOMPARE(network.traffic, QStringList{u"      >    <online?>"_s});
}

void ChatWindowTest::startUpShowsTheAutoHideNoticeWithoutScheduling()
{
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop, u"ann"_s);
    copy.settings.setBool(keys::hide, true);
    copy.start();

    QCOMPARE(copy.transcript(),
             u"  SYSTEM  >  Welcome to Corvel ann . You are online\n  SYSTEM  >  Auto Hide Mode is active."_s);
    QCOMPARE(copy.colourOf(u"Auto Hide Mode"_s), QColor(Qt::black));
    QCOMPARE(loop.pendingPerforms("hiding"), 0U);
}

void ChatWindowTest::startUpTakesTheStoredFontSize()
{
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop, u"ann"_s);
    copy.settings.setInteger(keys::fontSize, 14);
    copy.start();

    QCOMPARE(copy.view->ui.txtSize->text(), u"14"_s);
    QCOMPARE(copy.view->ui.stepFontSize->value(), 14);
    QCOMPARE(copy.view->ui.txtChat->font().pointSize(), 14);
    QVERIFY(copy.view->ui.txtChat->font().bold());
    QCOMPARE(copy.view->ui.txtMsg->font().pointSize(), 14);
    QCOMPARE(copy.settings.integerForKey(keys::fontSize), 14);
}

void ChatWindowTest::ownLineWindow_data()
{
    QTest::addColumn<double>("echoDelay");
    QTest::addColumn<bool>("fromSomebodyElse");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("own echo after 20 ms") << 0.02 << false << QColor(Qt::blue);
    QTest::newRow("own echo after 300 ms") << 0.3 << false << QColor(Qt::red);
    QTest::newRow("another user 50 ms after a send") << 0.05 << true << QColor(Qt::blue);
}

void ChatWindowTest::ownLineWindow()
{
    QFETCH(double, echoDelay);
    QFETCH(bool, fromSomebodyElse);
    QFETCH(QColor, colour);
    ManualMainLoop loop;
    FakeNetwork network(loop, Seconds(echoDelay));
    ChatCopy copy(network, loop, u"ann"_s);
    copy.start();
    loop.advance(Seconds(1));
    TraceCapture traces;

    copy.view->ui.txtMsg->setText(u"hello"_s);
    copy.view->ui.cmdSend->click();
    QCOMPARE(copy.view->ui.txtMsg->text(), QString());
    if (fromSomebodyElse) {
        network.setDelay(Seconds(0));
        network.inject(wire::chatLine(u"bob", u"hi").toUtf8());
        loop.advance(Seconds(0.05));
        QCOMPARE(copy.colourOf(u"bob"_s), colour);
        return;
    }
    loop.advance(Seconds(1));
    QVERIFY(copy.transcript().endsWith(stamp + u"  ann    >    hello"_s));
    QCOMPARE(copy.colourOf(u"hello"_s), colour);
    QCOMPARE(traces.count(u"this is me"_s), colour == QColor(Qt::blue) ? 1 : 0);
}

void ChatWindowTest::systemLinesStayBlackInsideTheWindow()
{
    ManualMainLoop loop;
    FakeNetwork network(loop, Seconds(0.01));
    ChatCopy copy(network, loop, u"ann"_s);
    copy.start();
    loop.advance(Seconds(1));
    TraceCapture traces;

    copy.view->ui.txtMsg->setText(u"hello"_s);
    copy.view->ui.cmdSend->click();
    network.inject(wire::presenceNotice.toUtf8());
    loop.advance(Seconds(0.05));
    QCOMPARE(copy.colourOf(u"You are online"_s), QColor(Qt::black));
    QCOMPARE(traces.count(u"this is me"_s), 1);
}

void ChatWindowTest::emptySend()
{
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop, u"ann"_s);
    copy.start();
    loop.advance(Seconds(1));
    const QString before = copy.transcript();
    const qsizetype sentBefore = network.traffic.size();

    copy.view->ui.cmdSend->click();
    QCOMPARE(copy.transcript(), before + u"\n "_s);
    QCOMPARE(network.traffic.size(), sentBefore);
    QVERIFY(!copy.controller->clicked);

    copy.settings.setBool(keys::hide, true);
    copy.view->ui.cmdSend->click();
    QCOMPARE(network.traffic.last(), u"  ann    >    ok"_s);
    copy.settings.setString(keys::okPreset, u"on my way"_s);
    copy.view->ui.cmdSend->click();
    QCOMPARE(network.traffic.last(), u"  ann    >    on my way"_s);
    QVERIFY(copy.view->ui.txtMsg->text().isEmpty());
}

void ChatWindowTest::sendWithoutNetworkKeepsTheText()
{
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop, u"ann"_s);
    copy.start();
    loop.advance(Seconds(1));
    copy.reachable = false;
    const qsizetype sentBefore = network.traffic.size();

    copy.view->ui.txtMsg->setText(u"hello"_s);
    copy.view->ui.cmdSend->click();
    QCOMPARE(copy.view->ui.txtMsg->text(), u"hello"_s);
    QVERIFY(copy.transcript().endsWith(u"\n  SYSTEM  >  NO NETWORK CONECTION"_s));
    QCOMPARE(network.traffic.size(), sentBefore);
}

void ChatWindowTest::unsentTextStaysInTheField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refusing");
    QTest::addColumn<QString>("notice");
    QTest::newRow("too long") << QString(70'000, u'x') << false << u"too long for one datagram"_s;
    QTest::newRow("refused") << u"hello"_s << true << u"the network refused"_s;
}

void ChatWindowTest::unsentTextStaysInTheField()
{
    QFETCH(QString, text);
    QFETCH(bool, refusing);
    QFETCH(QString, notice);
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop, u"ann"_s);
    copy.start();
    loop.advance(Seconds(1));
    copy.socket.refusing = refusing;
    copy.view->ui.txtMsg->setMaxLength(100'000);

    copy.view->ui.txtMsg->setText(text);
    copy.view->ui.cmdSend->click();
    QCOMPARE(copy.view->ui.txtMsg->text(), text);
    QVERIFY(!copy.controller->clicked);
    loop.runPending();
    QVERIFY2(copy.transcript().contains(notice), qPrintable(copy.transcript()));
}

void ChatWindowTest::receivedTextIsDispatchedByKind_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("shown"); // empty: nothing is shown
    QTest::addColumn<QString>("answered");
    const QString welcome = u"  SYSTEM  >  Welcome to Corvel ann . You are online"_s;
    QTest::newRow("chat line") << u"  bob    >    hello"_s.toUtf8() << welcome + stamp + u"  bob    >    hello"_s
                               << QString();
    QTest::newRow("empty datagram") << QByteArray() << welcome + stamp << QString();
    QTest::newRow("presence request mid-message")
        << u"  bob    >    who <online?> is here"_s.toUtf8() << welcome << wire::presenceAnswer(u"ann");
    QTest::newRow("own presence answer") << wire::presenceAnswer(u"ann").toUtf8() << welcome << QString();
    QTest::newRow("other presence answer")
        << wire::presenceAnswer(u"bob").toUtf8() << welcome + stamp + u" SYSTEM  >  bob IS ONLINE"_s << QString();
    QTest::newRow("acknowledgement") << wire::callAcknowledgement(u"bob").toUtf8() << welcome << QString();
    QTest::newRow("flash before clear") << u"  bob    >    <flash><clear>"_s.toUtf8() << welcome << QString();
    QTest::newRow("clear") << u"  bob    >    <clear>"_s.toUtf8() << u"  "_s << QString();
    QTest::newRow("undecodable") << QByteArray("\xff") << welcome << QString();
    QTest::newRow("NUL inside") << QByteArray("  bob    >    a\0b", 17) << welcome + stamp + u"  bob    >    a\0b"_s
                                << QString();
}

void ChatWindowTest::receivedTextIsDispatchedByKind()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, shown);
    QFETCH(QString, answered);
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop, u"ann"_s);
    copy.start();
    loop.advance(Seconds(1));
    const qsizetype sentBefore = network.traffic.size();
    TraceCapture traces;

    network.inject(payload);
    loop.advance(Seconds(0.05));
    QCOMPARE(copy.transcript(), shown.isEmpty() ? u"  SYSTEM  >  Welcome to Corvel ann . You are online"_s : shown);
    QCOMPARE(network.traffic.mid(sentBefore), answered.isEmpty() ? QStringList() : QStringList{answered});
    if (payload == "\xff")
        QCOMPARE(traces.lines, QStringList{u">>> Data received, but cannot be converted to String"_s});
    else
        QCOMPARE(traces.lines.first(), u"Data received: "_s + QString::fromUtf8(payload));
}

void ChatWindowTest::markupIsShownLiterally()
{
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop, u"ann"_s);
    copy.start();
    loop.advance(Seconds(1));
    const QString markup = u"<b>x</b><img src=\"/etc/passwd\">"_s + QString(u"<table><tr><td>"_s).repeated(20);
    network.inject(wire::chatLine(u"bob", markup).toUtf8());
    loop.advance(Seconds(1));
    QVERIFY(copy.transcript().endsWith(markup));
    QCOMPARE(copy.colourOf(u"<b>x</b>"_s), QColor(Qt::red));
}

void ChatWindowTest::presenceAnswersAreRateLimited()
{
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop, u"ann"_s);
    copy.start();
    loop.advance(Seconds(5));
    const qsizetype answersBefore = copy.socket.sent.count(wire::presenceAnswer(u"ann"));

    for (int query = 0; query < 100; ++query)
        network.inject(wire::presenceQueryLine.toUtf8());
    loop.advance(Seconds(0.05));
    QCOMPARE(copy.socket.sent.count(wire::presenceAnswer(u"ann")) - answersBefore, 20);

    loop.advance(Seconds(1));
    network.inject(wire::presenceQueryLine.toUtf8());
    loop.advance(Seconds(0.05));
    QCOMPARE(copy.socket.sent.count(wire::presenceAnswer(u"ann")) - answersBefore, 21);
}

void ChatWindowTest::everyDatagramDrawsAttention()
{
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy copy(network, loop, u"ann"_s);
    copy.start();
    loop.advance(Seconds(1));

    copy.application.hidden = true;
    network.inject(QByteArray("\xff"));
    loop.advance(Seconds(0.05));
    QCOMPARE(copy.application.attentionRequests, 1);
    QVERIFY(copy.application.hidden);

    copy.settings.setBool(keys::hide, true);
    network.inject(QByteArray("\xff"));
    loop.advance(Seconds(0.05));
    QVERIFY(!copy.application.hidden);
    QCOMPARE(copy.application.activations, 1);
    QCOMPARE(copy.application.attentionRequests, 1);
}

QTEST_MAIN(ChatWindowTest)
#include "test_chat_window.moc"
