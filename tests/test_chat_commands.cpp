// SPDX-License-Identifier: GPL-3.0-or-later
// Calls, the presence query, auto-hide, presets, housekeeping and the keys and controls that give them.
#include "net/wire.h"
#include "settings/keys.h"
#include "support/chat_copy.h"
#include "support/trace_capture.h"
#include "widgets/stepper.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

namespace {

struct AnnBobCid : Lan {
    AnnBobCid() : Lan({u"ann"_s, u"bob"_s, u"cid"_s})
    {
        for (const auto &copy : copies)
            copy->controller->clear();
    }
    ChatCopy &ann = *copies[0];
    ChatCopy &bob = *copies[1];
    ChatCopy &cid = *copies[2];
};

} // namespace

class ChatCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void callFlashesTheOthersUntilTheyAct()
    {
        AnnBobCid lan;
        lan.ann.click("cmdCall");
        lan.after(0.05);
        QCOMPARE(lan.ann.colourOf(u"CALLING"_s), QColor(Qt::black));

        lan.after(1);
        QCOMPARE(lan.ann.background(), QColor(Qt::white));
        QCOMPARE(lan.bob.background(), QColor(Qt::yellow));
        QCOMPARE(lan.cid.background(), QColor(Qt::yellow));
        lan.bob.click("cmdClear");
        lan.after(4);
        QCOMPARE(lan.bob.background(), QColor(Qt::white));
        QCOMPARE(lan.cid.background(), QColor(Qt::yellow));
    }

    // A call that did not go out is told each time; what was typed stays.
    void failedCallIsToldAndKeepsTheText()
    {
        AnnBobCid lan;
        lan.ann.socket.refusing = true;
        lan.ann.click("cmdCall");
        lan.ann.socket.refusing = false;
        lan.ann.reachable = false;
        lan.ann.outlet("txtMsg")->setText(u"lunch?"_s);
        lan.ann.click("cmdCall");
        QVERIFY(lan.network.traffic.isEmpty());
        QCOMPARE(lan.ann.transcript().count(u" SYSTEM  >  NO NETWORK CONECTION"_s), 2);
        QCOMPARE(lan.ann.outlet("txtMsg")->text(), u"lunch?"_s);
    }

    // What arrived is judged by when it arrived: a copy that takes 3 s of arrivals at once shows two
    // equal lines that came 1.5 s apart, and its own line as its own.
    void arrivalsJudgedByTheirStamp()
    {
        AnnBobCid lan;
        const Seconds sent = lan.loop.now();
        lan.ann.socket.firewalled = true;
        lan.ann.send(u"mine"_s);
        lan.after(3);
        const QByteArray ok = wire::chatLine(u"bob", u"ok").toUtf8();
        const QByteArray mine = wire::chatLine(u"ann", u"mine").toUtf8();
        for (const auto &[payload, sender, at] :
             {std::tuple(mine, Datagram::ownHost, 0.02), {ok, foreignPeer, 0.5}, {ok, foreignPeer, 2.0}})
            lan.ann.controller->receive({payload, sender, sent + Seconds(at)});
        QCOMPARE(lan.ann.transcript().count(wire::chatLine(u"bob", u"ok")), 2);
        QCOMPARE(lan.ann.colourOf(u"mine"_s), QColor(Qt::blue));
    }

    void presenceQueryListsTheOthers()
    {
        AnnBobCid lan;
        lan.ann.click("cmdOnline");
        lan.after(1);
        for (const auto &copy : lan.copies) {
            // The asker's announcement is its own line, news to the others only.
            QCOMPARE(copy->colourOf(u"asked"_s), QColor(copy.get() == &lan.ann ? Qt::blue : Qt::red));
            QCOMPARE(copy->colourOf(u"You are online"_s), QColor(Qt::black));
            for (const QString &name : {u"ann"_s, u"bob"_s, u"cid"_s})
                QCOMPARE(copy->transcript().count(wire::presenceAnswer(name)),
                         copy->settings.userName() == name ? 0 : 1);
        }
    }

    void autoHide()
    {
        AnnBobCid lan;
        lan.ann.settings.setBool(keys::hide, true);
        lan.ann.settings.setFloat(keys::delay, 5);
        lan.ann.click("cmdSend");
        lan.after(1);
        lan.ann.click("preset2");
        lan.after(4.05); // neither the own echo nor the preset's own text change drops the first hide
        QVERIFY(lan.ann.application.hidden);
        lan.ann.application.hidden = false;
        lan.after(1); // the preset's own
        QVERIFY(lan.ann.application.hidden);
        lan.bob.send(u"still there?"_s);
        lan.ann.click("preset1");
        lan.ann.type(u"x"_s); // drops the pending hide
        lan.after(6);
        QVERIFY(!lan.ann.application.hidden);
    }

    // An empty send goes nowhere and only marks the transcript, but under auto-hide it sends the ok preset.
    void presetSendsItsTextAndDropsTypedText()
    {
        AnnBobCid lan;
        lan.ann.settings.setString(keys::presets[2], u"coffee?"_s);
        lan.ann.settings.setBool(keys::autoClear, true);
        lan.ann.outlet("txtMsg")->setText(u"typed"_s);
        lan.ann.click("preset3");
        QCOMPARE(lan.network.traffic, QStringList{u"  ann    >    coffee?"_s});
        QVERIFY(lan.ann.outlet("txtMsg")->text().isEmpty());
        lan.after(1);
        lan.ann.click("preset9"); // nothing stored: an empty send, and no auto-clear
        QVERIFY(lan.ann.transcript().endsWith(u"  ann    >    coffee?\n "_s));
        lan.ann.settings.setBool(keys::hide, true);
        lan.ann.send({});
        lan.ann.settings.setString(keys::okPreset, u"on my way"_s);
        lan.ann.send({});
        QCOMPARE(lan.network.traffic,
                 (QStringList{u"  ann    >    coffee?"_s, u"  ann    >    ok"_s, u"  ann    >    on my way"_s}));
    }

    // The chat and every line in it, earlier ones too, take the stepped size; the message field jumps past 30.
    void fontSize_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("messagePoints");
        QTest::newRow("29") << 29 << 29;
        QTest::newRow("30") << 30 << 31;
    }
    void fontSize()
    {
        QFETCH(const int, points);
        QFETCH(const int, messagePoints);
        AnnBobCid lan;
        lan.network.inject(wire::chatLine(u"bob", u"earlier").toUtf8());
        lan.after(0.05);
        auto *stepper = lan.ann.outlet<Stepper>("stepFontSize");
        const auto *txtChat = lan.ann.outlet<QPlainTextEdit>("txtChat");
        stepper->setValue(points - 1);
        stepper->stepBy(1); // as a click on the stepper
        lan.network.inject(wire::chatLine(u"bob", u"later").toUtf8());
        lan.after(0.05);
        QCOMPARE(lan.ann.outlet("txtSize")->text(), QString::number(points));
        QCOMPARE(lan.ann.outlet("txtMsg")->font().pointSize(), messagePoints);
        QCOMPARE(txtChat->font().pointSize(), points);
        QCOMPARE(lan.ann.settings.integerForKey(keys::fontSize), points);
        for (const QString &line : {u"earlier"_s, u"later"_s}) {
            const QTextCharFormat format = txtChat->document()->find(line).charFormat();
            QCOMPARE(format.foreground().color(), QColor(Qt::red));
            QCOMPARE(format.fontPointSize(), double(points));
            QCOMPARE(format.fontWeight(), int(QFont::Bold));
        }
    }

    void clearAllDataAndExitEndTheProgram()
    {
        AnnBobCid lan;
        for (const keys::Key &key : keys::all)
            lan.ann.settings.setString(key.name, u"1"_s);
        lan.ann.click("actionClearAllData");
        const QStringList kept = {u"OKpreset"_s, u"Delay"_s, u"alpha"_s, u"Hide"_s, u"autoClear"_s};
        for (const keys::Key &key : keys::all)
            QVERIFY2(lan.ann.settings.holdsValue(key.name) == kept.contains(key.name), qPrintable(key.name.toString()));
        lan.after(4.9);
        QVERIFY(!lan.ann.application.terminated);
        lan.after(0.2);
        QVERIFY(lan.ann.application.terminated);
        lan.bob.click("actionExit");
        QVERIFY(lan.bob.application.terminated);
    }

    // Used while the message field has the focus and a call is flashing, each key does what its button or
    // command does, and each acknowledges the call, but hiding, clearing all data and exit.
    void controlOrKeyActs_data()
    {
        // The row names an outlet to click, the window's background, or keys.
        QTest::addColumn<QStringList>("traffic");
        QTest::addColumn<QString>("trace"); // a line it must write, if any
        const QString ack = wire::callAcknowledgement(u"ann");
        QTest::newRow("cmdSend") << QStringList{ack} << QString();
        QTest::newRow("Return") << QStringList{ack} << u"clicked"_s; // the field's own action
        QTest::newRow("stepFontSize") << QStringList{ack} << QString();
        QTest::newRow("background") << QStringList{ack} << u"clicked"_s;
        QTest::newRow("Ctrl+1") << QStringList{wire::chatLine(u"ann", u"one"), ack} << QString();
        QTest::newRow("Ctrl+9") << QStringList{wire::chatLine(u"ann", u"nine"), ack} << QString();
        QTest::newRow("Ctrl+G") << QStringList{ack, wire::callText.toString()} << QString();
        QTest::newRow("Ctrl+O") << QStringList{wire::queryAnnouncement(u"ann"), ack} << QString();
        QTest::newRow("Ctrl+L") << QStringList{ack} << u"clear"_s;
        QTest::newRow("Ctrl+H") << QStringList() << u"window hiden"_s;
        QTest::newRow("Ctrl+Q") << QStringList() << u"im quiting"_s;
        QTest::newRow("Ctrl+Shift+Del") << QStringList() << u"clear"_s;
    }
    void controlOrKeyActs()
    {
        QFETCH(const QStringList, traffic);
        QFETCH(const QString, trace);
        const QString control = QString::fromLatin1(QTest::currentDataTag());
        Lan lan({u"ann"_s});
        ChatCopy &ann = lan[0];
        ann.settings.setString(keys::presets[0], u"one"_s);
        ann.settings.setString(keys::presets[8], u"nine"_s);
        ann.view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ann.view.get()));
        lan.network.inject(u"<flash>"_s.toUtf8());
        lan.after(1.05);
        lan.network.traffic.clear();
        QVERIFY(ann.outlet("txtMsg")->hasFocus());

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

    // Everything a copy sends, fed back to every copy on the network, may set off nothing but the one
    // answer per copy that a presence request asks for. User names and texts that hold the tags must
    // not turn answers into requests, or the copies would answer each other forever.
    void everyTextSetsOffAtMostOneAnswerPerCopy_data()
    {
        QTest::addColumn<QString>("senderName");
        QTest::addColumn<std::function<void(ChatCopy &)>>("act");
        QTest::addColumn<int>("sent");
        QTest::addColumn<int>("requests");
        // How many texts the sender sends, how many of them ask for answers, how many when the sender's
        // name holds the presence tag; and what it does.
        const auto rows = [](const char *name, int sent, int requests, int requestsWhenNameTagged,
                             const std::function<void(ChatCopy &)> &act) {
            for (const QString &sender : {u"ann"_s, u"<online?>"_s, u"<flash>"_s, u"<clear>"_s})
                QTest::addRow("%s from %s", name, qPrintable(sender))
                    << sender << act << sent << (sender.contains(u"<online?>") ? requestsWhenNameTagged : requests);
        };
        rows("chat line", 1, 0, 1, [](ChatCopy &sender) { sender.send(u"hello"_s); });
        rows("start-up query", 1, 1, 1, [](ChatCopy &sender) { sender.send(u"<online?>"_s); });
        // The announcement, the notice and the query line.
        rows("presence query", 3, 1, 2, [](ChatCopy &sender) { sender.click("cmdOnline"); });
        rows("call", 1, 0, 0, [](ChatCopy &sender) { sender.click("cmdCall"); });
        rows("acknowledgement", 1, 0, 1, [](ChatCopy &sender) {
            sender.socket.receive("<flash>");
            sender.click("cmdClear");
        });
        rows("preset", 1, 0, 1, [](ChatCopy &sender) {
            sender.settings.setString(keys::presets[0], u"<flash> lunch?"_s);
            sender.click("preset1");
        });
        rows("ok reply", 1, 0, 1, [](ChatCopy &sender) {
            sender.settings.setBool(keys::hide, true);
            sender.settings.setString(keys::okPreset, u"ok <clear>"_s);
            sender.click("cmdSend");
        });
    }
    void everyTextSetsOffAtMostOneAnswerPerCopy()
    {
        QFETCH(const QString, senderName);
        QFETCH(const std::function<void(ChatCopy &)>, act);
        QFETCH(const int, sent);
        QFETCH(const int, requests);
        // A sender and four receivers whose names hold every tag, so that their own answers carry them.
        const QStringList names = {senderName, u"bob"_s, u"<online?>"_s, u"<flash>"_s, u"<clear>"_s};
        Lan lan({u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s});
        // Names are read at every use, so the copies take theirs only now, past a quiet start.
        for (std::size_t index = 0; index < lan.copies.size(); ++index)
            lan[index].settings.setString(keys::username, names.at(qsizetype(index)));
        act(lan[0]);
        // Far past every delay: an answer that asks for answers would keep the network busy.
        lan.after(30);
        const auto answers = requests * names.size();
        QCOMPARE(lan.network.traffic.size(), sent + answers);
        QCOMPARE(lan.network.traffic.filter(u" IS ONLINE"_s).size(), answers);
    }

private:
    TraceCapture m_quiet;
};

QTEST_MAIN(ChatCommandsTest)
#include "test_chat_commands.moc"
