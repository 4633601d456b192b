// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the chat controller, each on its own, on virtual time.
#include "chat/auto_hide.h"
#include "chat/call_flash.h"
#include "chat/own_echo.h"
#include "chat/presence_answers.h"
#include "chat/transcript.h"
#include "net/wire.h"
#include "settings/keys.h"
#include "settings/settings_store.h"
#include "support/fake_network.h"
#include "support/trace_capture.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

namespace {

// One copy's parts, named ann, on a fake LAN whose datagrams reach no part unless a test hands them.
struct Parts {
    Parts()
    {
        (void)socket.access();
        settings.setString(keys::username, u"ann"_s);
    }
    ManualMainLoop loop;
    FakeNetwork network{loop};
    FakeSocket socket{network};
    QTemporaryDir directory;
    SettingsStore settings{directory.filePath(u"Corvel.conf"_s)};
    QPlainTextEdit view;
    Transcript transcript{view, loop};
    Style style;
    OwnEcho echo{loop, socket, [] { return true; }, transcript, style, style};
    CallFlash calls{loop, socket, echo, settings, transcript};
    PresenceAnswers answers{loop, socket, echo, settings};
};

} // namespace

class ChatPartsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // However many calls come, one ticker flashes, yellow for half a second each time; the first
    // action acknowledges once and ends it.
    void flashingIsOneTickerUntilAcknowledged()
    {
        Parts parts;
        parts.calls.stopFlash(); // nothing to acknowledge
        for (int call = 0; call < 100; ++call)
            parts.calls.flash();
        QCOMPARE(parts.loop.repeatingTimers(), 1U);
        parts.loop.advance(Seconds(1.49));
        QCOMPARE(parts.transcript.background(), QColor(Qt::yellow));
        parts.loop.advance(Seconds(0.02));
        QCOMPARE(parts.transcript.background(), QColor(Qt::white));
        parts.calls.stopFlash();
        parts.calls.stopFlash();
        QCOMPARE(parts.network.traffic, QStringList{u" SYSTEM  >  Call recived by ann"_s});
        QCOMPARE(parts.loop.repeatingTimers(), 0U);
    }

    void ownCallEchoIsTakenOnce_data()
    {
        QTest::addColumn<bool>("sent");
        QTest::addColumn<quint32>("sender");
        QTest::addColumn<double>("after");
        QTest::addColumn<bool>("taken");
        QTest::newRow("own echo") << true << Datagram::ownHost << 1.99 << true;
        QTest::newRow("own echo too late") << true << Datagram::ownHost << 2.0 << false;
        QTest::newRow("from another host") << true << foreignPeer << 0.01 << false;
        QTest::newRow("call refused") << false << Datagram::ownHost << 0.01 << false;
    }
    void ownCallEchoIsTakenOnce()
    {
        QFETCH(bool, sent);
        QFETCH(quint32, sender);
        QFETCH(double, after);
        QFETCH(bool, taken);
        Parts parts;
        parts.loop.advance(Seconds(5));
        parts.socket.refusing = !sent;
        parts.calls.call();
        const QByteArray payload = wire::callText.toUtf8();
        const Datagram echo{payload, sender, parts.loop.now() + Seconds(after)};
        QCOMPARE(parts.calls.takeOwnEcho(echo), taken);
        QVERIFY(!parts.calls.takeOwnEcho(echo));
    }

    void autoHide_data()
    {
        QTest::addColumn<bool>("hideMode");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("hides");
        QTest::newRow("each send in its own time") << true << true << false << 2;
        QTest::newRow("not in hide mode") << false << true << false << 0;
        QTest::newRow("not while hidden") << true << false << false << 0;
        QTest::newRow("an edit outdates both") << true << true << true << 0;
    }
    // Two sends a second apart, with a delay of 2.9 stored: whole seconds count.
    void autoHide()
    {
        QFETCH(bool, hideMode);
        QFETCH(bool, shown);
        QFETCH(bool, edited);
        QFETCH(int, hides);
        Parts parts;
        parts.settings.setBool(keys::hide, hideMode);
        parts.settings.setFloat(keys::delay, 2.9F);
        parts.view.setVisible(shown);
        AutoHide hide(parts.loop, parts.settings, parts.view);
        QSignalSpy due(&hide, &AutoHide::due);
        hide.afterSend();
        parts.loop.advance(Seconds(1));
        hide.afterSend();
        if (edited)
            hide.cancelPending();
        parts.loop.advance(Seconds(1.01));
        QCOMPARE(due.size(), hides / 2);
        parts.loop.advance(Seconds(1));
        QCOMPARE(due.size(), hides);
        hide.schedule(); // whatever the mode, and no edit before it outdates it
        parts.loop.advance(Seconds(2.01));
        QCOMPARE(due.size(), hides + 1);
    }

    // A burst makes one answer; the askers beyond the LANs among it are those it goes to, each once,
    // and the next answer has forgotten them.
    void presenceAnswersCoalesceAndForgetAskers()
    {
        Parts parts;
        constexpr quint32 far = 0x0c000001;
        for (int request = 0; request < 50; ++request) {
            parts.answers.rememberAsker({{}, request % 2 == 0 ? far : foreignPeer, {}, 0, request % 2 == 0});
            parts.answers.request();
        }
        parts.loop.advance(Seconds(0.1));
        QCOMPARE(parts.network.traffic, QStringList{wire::presenceAnswer(u"ann")});
        QCOMPARE(parts.socket.answeredAskers, QList<QList<quint32>>{{far}});
        parts.answers.request(); // inside the interval since the answer: answered when it ends
        parts.loop.advance(Seconds(0.3));
        QCOMPARE(parts.network.traffic.size(), 1);
        parts.loop.advance(Seconds(0.3));
        QCOMPARE(parts.socket.answeredAskers, (QList<QList<quint32>>{{far}, {}}));
    }

    // An own line is claimed once. Silence after a send is hinted once, however many sends follow, and the unclaimed
    // lines are shown unconfirmed; news from outside ends it with an empty hint. A send that failed waits for nothing.
    void silenceHintsTheFirewallOnce()
    {
        Parts parts;
        QSignalSpy hints(&parts.echo, &OwnEcho::firewallHint);
        parts.socket.refusing = true;
        (void)parts.echo.transmit(u"lost"_s);
        parts.loop.advance(Seconds(3.1));
        QCOMPARE(hints.size(), 0);
        parts.socket.refusing = false;
        for (const QString &line : {u"  ann    >    hi"_s, u"  ann    >    ho"_s}) {
            parts.echo.expect(line);
            (void)parts.echo.transmit(line);
        }
        QVERIFY(parts.echo.claim(u"  ann    >    ho"_s, parts.loop.now() + Seconds(0.09)));
        QVERIFY(!parts.echo.claim(u"  ann    >    ho"_s, parts.loop.now() + Seconds(0.09)));
        parts.loop.advance(Seconds(2.99));
        QCOMPARE(hints.size(), 0);
        parts.loop.advance(Seconds(0.02));
        QCOMPARE(hints.size(), 1);
        QVERIFY(parts.transcript.text().contains(u"  ann    >    hi   (not confirmed: nothing comes back)"_s));
        QVERIFY(!parts.transcript.text().contains(u"ho   (not confirmed"_s));
        (void)parts.echo.transmit(u"again"_s);
        parts.loop.advance(Seconds(3.1));
        QCOMPARE(hints.size(), 1);
        parts.echo.heard();
        QCOMPARE(hints.size(), 2);
        QCOMPARE(hints.last().first().toString(), QString());
    }

private:
    TraceCapture m_quiet;
};

QTEST_MAIN(ChatPartsTest)
#include "test_chat_parts.moc"
