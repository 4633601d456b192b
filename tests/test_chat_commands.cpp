// Calls and flashing, the presence query, auto-hide, presets and the housekeeping commands,
// between copies on one fake network and on virtual time.
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

// Three started copies, ann, bob and cid, past their start-up traffic, transcripts cleared.
struct Lan {
    Lan()
    {
        for (ChatCopy *copy : {&ann, &bob, &cid})
            copy->start();
        loop.advance(Seconds(1));
        network.traffic.clear();
        for (ChatCopy *copy : {&ann, &bob, &cid})
            copy->controller->clear();
    }
    ManualMainLoop loop;
    FakeNetwork network{loop};
    ChatCopy ann{network, loop, u"ann"_s};
    ChatCopy bob{network, loop, u"bob"_s};
    ChatCopy cid{network, loop, u"cid"_s};
};

} // namespace

class ChatCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void callFlashesTheOthersUntilTheyAct();
    void flashCommandIsAcknowledgedLikeACall();
    void oneAcknowledgementEndsSeveralCalls();
    void failedCallLeavesTheCopyCallable();
    void callWithoutNetworkKeepsTheText();
    void acknowledgementPoints();
    void presenceQueryListsTheOthers();
    void autoHideAfterWholeSeconds();
    void userEditDropsPendingHidesButPresetsDoNot();
    void receivedDatagramShowsWithoutCancelling();
    void presetSendsItsTextAndDropsTypedText();
    void fontSize_data();
    void fontSize();
    void clearAllDataRemovesTwelveKeysAndEnds();
    void exitEndsTheProgram();

private:
    TraceCapture m_quiet;
};

void ChatCommandsTest::callFlashesTheOthersUntilTheyAct()
{
    Lan lan;
    lan.ann.view->ui.cmdCall->click();
    lan.loop.advance(Seconds(0.05));
    QCOMPARE(lan.ann.transcript().count(u"CALLING"_s), 1);
    QCOMPARE(lan.ann.colourOf(u"CALLING"_s), QColor(Qt::black));
    QVERIFY(!lan.ann.controller->callbool && !lan.ann.controller->flashbool);
    QVERIFY(lan.bob.controller->flashbool && lan.cid.controller->flashbool);
    QVERIFY(!lan.bob.transcript().contains(u"CALLING"_s));

    lan.loop.advance(Seconds(1));
    QCOMPARE(lan.bob.background(), QColor(Qt::yellow));
    lan.bob.view->ui.cmdClear->click();
    lan.bob.view->ui.cmdClear->click();
    const QString acknowledgement = u" SYSTEM  >  Call recived by bob"_s;
    QCOMPARE(lan.network.traffic.count(acknowledgement), 1);
    lan.loop.advance(Seconds(0.5));
    QCOMPARE(lan.bob.background(), QColor(Qt::white));
    lan.loop.advance(Seconds(3));
    QCOMPARE(lan.bob.background(), QColor(Qt::white));
    QCOMPARE(lan.loop.repeatingTimers(), 1U); // cid's, still flashing
    QVERIFY(lan.cid.controller->flashbool);
    QVERIFY(!lan.ann.transcript().contains(u"recived"_s));
}

void ChatCommandsTest::flashCommandIsAcknowledgedLikeACall()
{
    Lan lan;
    for (int flood = 0; flood < 1000; ++flood)
        lan.network.inject(u"  eve    >    <flash>"_s.toUtf8());
    lan.loop.advance(Seconds(0.05));
    QCOMPARE(lan.loop.repeatingTimers(), 3U); // one ticker per copy, however many commands
    lan.ann.type(u"x"_s);
    QCOMPARE(lan.network.traffic, QStringList{u" SYSTEM  >  Call recived by ann"_s});
}

void ChatCommandsTest::oneAcknowledgementEndsSeveralCalls()
{
    Lan lan;
    lan.ann.view->ui.cmdCall->click();
    lan.cid.view->ui.cmdCall->click();
    lan.loop.advance(Seconds(0.05));
    QVERIFY(lan.bob.controller->flashbool);
    lan.bob.controller->mouseDown();
    lan.bob.controller->mouseDown();
    QCOMPARE(lan.network.traffic.count(u" SYSTEM  >  Call recived by bob"_s), 1);
    lan.loop.advance(Seconds(2));
    QCOMPARE(lan.bob.background(), QColor(Qt::white));
}

void ChatCommandsTest::failedCallLeavesTheCopyCallable()
{
    Lan lan;
    lan.ann.socket.refusing = true;
    lan.ann.view->ui.cmdCall->click();
    QVERIFY(!lan.ann.controller->callbool);
    lan.ann.socket.refusing = false;
    lan.ann.reachable = false;
    lan.ann.view->ui.cmdCall->click();
    QVERIFY(!lan.ann.controller->callbool);

    lan.bob.view->ui.cmdCall->click();
    lan.loop.advance(Seconds(0.05));
    QVERIFY(lan.ann.controller->flashbool);
    QVERIFY(!lan.ann.transcript().contains(u"CALLING"_s));
}

void ChatCommandsTest::callWithoutNetworkKeepsTheText()
{
    Lan lan;
    lan.ann.reachable = false;
    lan.ann.view->ui.txtMsg->setText(u"lunch?"_s);
    lan.ann.view->ui.cmdCall->click();
    QCOMPARE(lan.ann.transcript().count(u" SYSTEM  >  NO NETWORK CONECTION"_s), 2);
    QCOMPARE(lan.ann.view->ui.txtMsg->text(), u"lunch?"_s);
    QVERIFY(lan.network.traffic.isEmpty());
}

// Every button, click and edit acknowledges; hiding, clearing all data and exit do not.
void ChatCommandsTest::acknowledgementPoints()
{
    const std::vector<std::pair<const char *, std::function<void(ChatCopy &)>>> actions = {
        {"send", [](ChatCopy &c) { c.view->ui.cmdSend->click(); }},
        {"presence", [](ChatCopy &c) { c.view->ui.cmdOnline->click(); }},
        {"clear", [](ChatCopy &c) { c.view->ui.cmdClear->click(); }},
        {"size", [](ChatCopy &c) { c.view->ui.stepFontSize->stepUp(); }},
        {"preset", [](ChatCopy &c) { c.view->ui.preset4->click(); }},
        {"field action", [](ChatCopy &c) { QTest::keyClick(c.view->ui.txtMsg, Qt::Key_Return); }},
        {"background", [](ChatCopy &c) { QTest::mouseClick(c.view.get(), Qt::LeftButton, {}, QPoint(2, 2)); }},
        {"hide", [](ChatCopy &c) { c.view->ui.actionHide->trigger(); }},
        {"exit", [](ChatCopy &c) { c.view->ui.actionExit->trigger(); }},
        {"clear all data", [](ChatCopy &c) { c.view->ui.actionClearAllData->trigger(); }},
    };
    for (const auto &[name, act] : actions) {
        Lan lan;
        lan.network.inject(u"<flash>"_s.toUtf8());
        lan.loop.advance(Seconds(0.05));
        act(lan.ann);
        const bool acknowledges = std::string_view(name) != "hide" && std::string_view(name) != "exit" &&
                                  std::string_view(name) != "clear all data";
        QVERIFY2(lan.network.traffic.contains(u" SYSTEM  >  Call recived by ann"_s) == acknowledges, name);
    }
}

void ChatCommandsTest::presenceQueryListsTheOthers()
{
    Lan lan;
    lan.ann.view->ui.cmdOnline->click();
    QCOMPARE(lan.network.traffic, QStringList{u"  SYSTEM  > ann asked: Who is online? "_s});
    lan.loop.advance(Seconds(1));
    QCOMPARE(lan.network.traffic.mid(1, 2), (QStringList{u" SYSTEM  >  You are online"_s, u" SYSTEM  >  <online?>"_s}));
    for (ChatCopy *copy : {&lan.ann, &lan.bob, &lan.cid}) {
        const QString shown = copy->transcript();
        QVERIFY(shown.contains(u"  SYSTEM  > ann asked: Who is online? "_s));
        QCOMPARE(copy->colourOf(u"asked"_s), QColor(Qt::red)); // asking opens no own-line window
        QCOMPARE(copy->colourOf(u"You are online"_s), QColor(Qt::black));
        QVERIFY(!shown.contains(u"<online?>"_s));
        for (const QString &name : {u"ann"_s, u"bob"_s, u"cid"_s}) {
            const bool own = copy->settings.userName() == name;
            QCOMPARE(shown.count(wire::presenceAnswer(name)), own ? 0 : 1);
        }
    }
}

void ChatCommandsTest::autoHideAfterWholeSeconds()
{
    Lan lan;
    lan.ann.settings.setBool(keys::hide, true);
    lan.ann.settings.setFloat(keys::delay, 2.9F);
    lan.ann.view->ui.txtMsg->setText(u"brb"_s);
    lan.ann.view->ui.cmdSend->click();
    lan.loop.advance(Seconds(1.99));
    QVERIFY(!lan.ann.application.hidden);
    lan.loop.advance(Seconds(0.02));
    QVERIFY(lan.ann.application.hidden);

    lan.ann.settings.setFloat(keys::delay, 0.5F);
    lan.ann.application.hidden = false;
    lan.ann.view->ui.cmdSend->click();
    QVERIFY(!lan.ann.application.hidden); // not during the action itself
    lan.loop.runPending();
    QVERIFY(lan.ann.application.hidden);
}

void ChatCommandsTest::userEditDropsPendingHidesButPresetsDoNot()
{
    Lan lan;
    lan.ann.settings.setBool(keys::hide, true);
    lan.ann.settings.setFloat(keys::delay, 5);
    lan.ann.view->ui.preset1->click();
    lan.loop.advance(Seconds(1));
    lan.ann.view->ui.preset2->click();
    QCOMPARE(lan.loop.pendingPerforms("hiding"), 2U);
    lan.ann.type(u"x"_s);
    QCOMPARE(lan.loop.pendingPerforms("hiding"), 0U);
    lan.loop.advance(Seconds(10));
    QCOMPARE(lan.ann.application.hides, 0);

    lan.ann.settings.setBool(keys::hide, false);
    lan.ann.view->ui.cmdSend->click();
    QCOMPARE(lan.loop.pendingPerforms("hiding"), 0U);
    lan.ann.view->ui.actionHide->trigger(); // hides on demand whatever the mode
    lan.loop.advance(Seconds(5));
    QCOMPARE(lan.ann.application.hides, 1);
}

void ChatCommandsTest::receivedDatagramShowsWithoutCancelling()
{
    Lan lan;
    lan.ann.settings.setBool(keys::hide, true);
    lan.ann.settings.setFloat(keys::delay, 3);
    TraceCapture traces;
    lan.ann.view->ui.txtMsg->setText(u"brb"_s);
    lan.ann.view->ui.cmdSend->click();
    lan.loop.advance(Seconds(1));
    QCOMPARE(traces.count(u"show window"_s), 1); // the own echo
    QCOMPARE(lan.loop.pendingPerforms("hiding"), 1U);
    lan.loop.advance(Seconds(2.1));
    QVERIFY(lan.ann.application.hidden);
    QCOMPARE(traces.count(u"window hiden"_s), 1);
    lan.bob.view->ui.txtMsg->setText(u"back?"_s);
    lan.bob.view->ui.cmdSend->click();
    lan.loop.advance(Seconds(0.05));
    QVERIFY(!lan.ann.application.hidden);
}

void ChatCommandsTest::presetSendsItsTextAndDropsTypedText()
{
    Lan lan;
    lan.ann.settings.setString(keys::presets[2], u"coffee?"_s);
    lan.ann.view->ui.txtMsg->setText(u"typed"_s);
    lan.ann.view->ui.preset3->click();
    QCOMPARE(lan.network.traffic, QStringList{u"  ann    >    coffee?"_s});
    QVERIFY(lan.ann.view->ui.txtMsg->text().isEmpty());
    lan.ann.settings.setBool(keys::autoClear, true);
    lan.loop.advance(Seconds(1));
    lan.ann.view->ui.preset3->click();
    QVERIFY(lan.ann.transcript().contains(u"coffee?"_s)); // presets never auto-clear
    lan.ann.view->ui.preset9->click();                    // nothing stored: an empty send
    QVERIFY(lan.ann.transcript().endsWith(u"\n "_s));
}

void ChatCommandsTest::fontSize_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("messagePoints");
    QTest::newRow("29") << 29 << 29;
    QTest::newRow("30") << 30 << 31;
    QTest::newRow("40") << 40 << 31;
}

void ChatCommandsTest::fontSize()
{
    QFETCH(int, points);
    QFETCH(int, messagePoints);
    Lan lan;
    lan.network.inject(wire::chatLine(u"bob", u"earlier").toUtf8());
    lan.loop.advance(Seconds(0.05));
    lan.ann.view->ui.stepFontSize->setValue(points);
    lan.network.inject(wire::chatLine(u"bob", u"later").toUtf8());
    lan.loop.advance(Seconds(0.05));

    const Ui::ChatWindow &ui = lan.ann.view->ui;
    QCOMPARE(ui.txtSize->text(), QString::number(points));
    QCOMPARE(ui.txtMsg->font().pointSize(), messagePoints);
    QCOMPARE(ui.txtChat->font().pointSize(), points);
    QCOMPARE(lan.ann.settings.integerForKey(keys::fontSize), points);
    for (const QString &line : {u"earlier"_s, u"later"_s}) {
        QCOMPARE(lan.ann.colourOf(line), QColor(Qt::red));
        QTextCursor at = ui.txtChat->document()->find(line);
        QCOMPARE(at.charFormat().fontPointSize(), double(points));
        QCOMPARE(at.charFormat().fontWeight(), int(QFont::Bold));
    }
}

void ChatCommandsTest::clearAllDataRemovesTwelveKeysAndEnds()
{
    Lan lan;
    SettingsStore &store = lan.ann.settings;
    for (const keys::Key &key : keys::all)
        store.setString(key.name, u"1"_s);
    lan.ann.view->ui.actionClearAllData->trigger();
    for (const keys::Key &key : keys::all)
        QVERIFY2(store.holdsValue(key.name) != key.removedByClearAllData, qPrintable(key.name.toString()));
    QCOMPARE(lan.ann.transcript(), u" SYSTEM  >  All data has been cleared. Corvel will close in 5 seconds"_s);
    lan.loop.advance(Seconds(4.9));
    QVERIFY(!lan.ann.application.terminated);
    lan.loop.advance(Seconds(0.2));
    QVERIFY(lan.ann.application.terminated);
}

void ChatCommandsTest::exitEndsTheProgram()
{
    Lan lan;
    TraceCapture traces;
    lan.ann.view->ui.actionExit->trigger();
    QCOMPARE(traces.lines, QStringList{u"im quiting"_s});
    QVERIFY(lan.ann.application.terminated);
}

QTEST_MAIN(ChatCommandsTest)
#include "test_chat_commands.moc"
