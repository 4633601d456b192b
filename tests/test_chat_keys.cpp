// The chat window's controls and keys, used while the message field has the focus and a call is
// flashing: each key does what its button or command does, and each acknowledges the call, but
// hiding, clearing all data and exit.
#include "net/wire.h"
#include "settings/keys.h"
#include "support/chat_copy.h"
#include "support/trace_capture.h"
#include "widgets/stepper.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

class ChatKeysTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlOrKeyActs()
    {
        const QString ack = wire::callAcknowledgement(u"ann");
        // An outlet to click, the window's background, or keys; the traffic; a line it must write, if any.
        const QList<std::tuple<QString, QStringList, QString>> rows = {
            {u"cmdSend"_s, {ack}, {}},
            {u"Return"_s, {ack}, u"clicked"_s}, // the field's own action
            {u"stepFontSize"_s, {ack}, {}},
            {u"background"_s, {ack}, u"clicked"_s},
            {u"Ctrl+1"_s, {wire::chatLine(u"ann", u"one"), ack}, {}},
            {u"Ctrl+9"_s, {wire::chatLine(u"ann", u"nine"), ack}, {}},
            {u"Ctrl+G"_s, {ack, wire::callText.toString()}, {}},
            {u"Ctrl+O"_s, {wire::queryAnnouncement(u"ann"), ack}, {}},
            {u"Ctrl+L"_s, {ack}, u"clear"_s},
            {u"Ctrl+H"_s, {}, u"window hiden"_s},
            {u"Ctrl+Q"_s, {}, u"im quiting"_s},
            {u"Ctrl+Shift+Del"_s, {}, u"clear"_s},
        };
        for (const auto &[control, traffic, trace] : rows) {
            Lan lan({u"ann"_s});
            ChatCopy &ann = lan[0];
            ann.settings.setString(keys::presets[0], u"one"_s);
            ann.settings.setString(keys::presets[8], u"nine"_s);
            ann.view->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(ann.view.get()));
            lan.network.inject(u"<flash>"_s.toUtf8());
            lan.after(1.05);
            lan.network.traffic.clear();
            QVERIFY(ann.outlet("txtMsg")->hasFocus() && ann.background() == QColor(Qt::yellow));

            const TraceCapture traces;
            if (control == u"background")
                QTest::mouseClick(ann.view.get(), Qt::LeftButton);
            else if (auto *stepper = ann.view->findChild<Stepper *>(control))
                stepper->findChildren<QAbstractButton *>().constLast()->click();
            else if (ann.view->findChild<QAbstractButton *>(control))
                ann.click(qPrintable(control));
            else
                QTest::keySequence(ann.outlet("txtMsg"), QKeySequence(control));
            QCOMPARE(lan.network.traffic, traffic);
            lan.loop.runPending();
            QVERIFY2(trace.isEmpty() || traces.lines.contains(trace), qPrintable(traces.lines.join(u'|')));
            QVERIFY(ann.outlet("txtMsg")->text().isEmpty());
        }
    }
};

QTEST_MAIN(ChatKeysTest)
#include "test_chat_keys.moc"
