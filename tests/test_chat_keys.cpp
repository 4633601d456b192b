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
    void controlOrKeyActs_data()
    {
        QTest::addColumn<QString>("control"); // an outlet to click, the window's background, or keys
        QTest::addColumn<QStringList>("traffic");
        QTest::addColumn<QString>("trace"); // a line it must write, if any

        const QString acknowledgement = wire::callAcknowledgement(u"ann");
        const QString none;
        QTest::newRow("send button") << u"cmdSend"_s << QStringList{acknowledgement} << none;
        QTest::newRow("return") << u"Return"_s << QStringList{acknowledgement}
                                << u"clicked"_s; // the field's own action
        QTest::newRow("font size") << u"stepFontSize"_s << QStringList{acknowledgement} << none;
        QTest::newRow("background") << u"background"_s << QStringList{acknowledgement} << u"clicked"_s;
        QTest::newRow("preset 1") << u"Ctrl+1"_s << QStringList{wire::chatLine(u"ann", u"one"), acknowledgement}
                                  << none;
        QTest::newRow("preset 9") << u"Ctrl+9"_s << QStringList{wire::chatLine(u"ann", u"nine"), acknowledgement}
                                  << none;
        QTest::newRow("call") << u"Ctrl+G"_s << QStringList{acknowledgement, wire::callText.toString()} << none;
        QTest::newRow("presence") << u"Ctrl+O"_s << QStringList{wire::queryAnnouncement(u"ann"), acknowledgement}
                                  << none;
        QTest::newRow("clear") << u"Ctrl+L"_s << QStringList{acknowledgement} << u"clear"_s;
        QTest::newRow("hide") << u"Ctrl+H"_s << QStringList() << u"window hiden"_s;
        QTest::newRow("exit") << u"Ctrl+Q"_s << QStringList() << u"im quiting"_s;
        QTest::newRow("clear all data") << u"Ctrl+Shift+Del"_s << QStringList() << u"clear"_s;
    }

    void controlOrKeyActs()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, traffic);
        QFETCH(QString, trace);
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
};

QTEST_MAIN(ChatKeysTest)
#include "test_chat_keys.moc"
