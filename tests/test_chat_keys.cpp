// The chat window's keys, pressed while the message field has the focus and a call is flashing:
// each does what its button or command does, and acknowledges the call as that would.
#include "net/wire.h"
#include "settings/keys.h"
#include "support/chat_copy.h"
#include "support/trace_capture.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

class ChatKeysTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyActsAsItsControl_data();
    void keyActsAsItsControl();
};

void ChatKeysTest::keyActsAsItsControl_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QStringList>("traffic");
    QTest::addColumn<QString>("trace"); // a line the key must write, if any

    const QString acknowledgement = wire::callAcknowledgement(u"ann");
    const QString none;
    QTest::newRow("preset 1") << QKeySequence(u"Ctrl+1"_s)
                              << QStringList{wire::chatLine(u"ann", u"one"), acknowledgement} << none;
    QTest::newRow("preset 9") << QKeySequence(u"Ctrl+9"_s)
                              << QStringList{wire::chatLine(u"ann", u"nine"), acknowledgement} << none;
    QTest::newRow("call") << QKeySequence(u"Ctrl+G"_s) << QStringList{acknowledgement, wire::callText.toString()}
                          << none;
    QTest::newRow("presence") << QKeySequence(u"Ctrl+O"_s)
                              << QStringList{wire::queryAnnouncement(u"ann"), acknowledgement} << none;
    QTest::newRow("clear") << QKeySequence(u"Ctrl+L"_s) << QStringList{acknowledgement} << u"clear"_s;
    QTest::newRow("hide") << QKeySequence(u"Ctrl+H"_s) << QStringList() << u"window hiden"_s;
    QTest::newRow("exit") << QKeySequence(u"Ctrl+Q"_s) << QStringList() << u"im quiting"_s;
    QTest::newRow("clear all data") << QKeySequence(u"Ctrl+Shift+Del"_s) << QStringList() << u"clear"_s;
}

void ChatKeysTest::keyActsAsItsControl()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QStringList, traffic);
    QFETCH(QString, trace);
    TraceCapture traces;
    ManualMainLoop loop;
    FakeNetwork network(loop);
    ChatCopy ann(network, loop, u"ann"_s);
    ann.settings.setString(keys::presets[0], u"one"_s);
    ann.settings.setString(keys::presets[8], u"nine"_s);
    ann.start();
    ann.view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ann.view.get()));
    network.inject(u"<flash>"_s.toUtf8());
    loop.advance(Seconds(1.05));
    network.traffic.clear();
    QVERIFY(ann.outlet("txtMsg")->hasFocus() && ann.background() == QColor(Qt::yellow));

    QTest::keySequence(ann.outlet("txtMsg"), keys);
    QCOMPARE(network.traffic, traffic);
    loop.runPending();
    QVERIFY2(trace.isEmpty() || traces.lines.contains(trace), qPrintable(traces.lines.join(u'|')));
    QVERIFY(ann.outlet("txtMsg")->text().isEmpty());
}

QTEST_MAIN(ChatKeysTest)
#include "test_chat_keys.moc"
