// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the send path and the receive dispatcher of the chat window, on virtual time.
#include "net/wire.h"
#include "settings/keys.h"
#include "settings/login_name.h"
#include "support/chat_copy.h"
#include "support/trace_capture.h"
#include "widgets/stepper.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

namespace {

const QString stamp = u"\n 09:05:07  \t "_s;
const QString welcome = u"  SYSTEM  >  Welcome to Corvel ann . You are online"_s;

} // namespace

class ChatWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUp_data()
    {
        QTest::addColumn<QString>("stored"); // a null name: nothing stored
        QTest::addColumn<bool>("hide");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<qint64>("fontSize");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("nothing stored") << QString() << false << false << qint64(0)
                                        << u"  SYSTEM  >  Welcome to Corvel "_s + loginName() + u" . You are online"_s;
        QTest::newRow("empty name") << u""_s << false << false << qint64(14)
                                    << u"  SYSTEM  >  Welcome to Corvel  . You are online"_s;
        QTest::newRow("auto-hide, inverted, size past 32 bits")
            << u"ann"_s << true << true << (qint64(1) << 32) + 14
            << welcome + u"\n  SYSTEM  >  Auto Hide Mode is active."_s;
    }
    void startUp()
    {
        QFETCH(const QString, stored);
        QFETCH(const bool, hide);
        QFETCH(const bool, inverted);
        QFETCH(const qint64, fontSize);
        QFETCH(const QString, greeting);
        ManualMainLoop loop;
        FakeNetwork network(loop);
        ChatCopy copy(network, loop, stored);
        copy.settings.setBool(keys::hide, hide);
        copy.settings.setBool(keys::inverted, inverted);
        copy.settings.setInteger(keys::fontSize, fontSize);
        copy.start();

        const QString name = stored.isNull() ? loginName() : stored;
        QCOMPARE(copy.settings.stringForKey(keys::username), name);
        QCOMPARE(network.traffic, QStringList{wire::chatLine(name, u"<online?>")});
        QCOMPARE(copy.colourOf(u"Auto Hide"_s), hide ? QColor(Qt::black) : QColor());
        const int points = fontSize == 0 ? 15 : int(std::min<qint64>(fontSize, 72)); // the stepper's range
        QCOMPARE(copy.outlet<Stepper>("stepFontSize")->value(), points);
        QCOMPARE(copy.outlet<QPlainTextEdit>("txtChat")->font().pointSize(), points);
        QVERIFY(copy.outlet<QPlainTextEdit>("txtChat")->font().bold()); // the greeting's, as every line's
        QCOMPARE(copy.settings.integerForKey(keys::fontSize), points);
        for (const char *caption : {"logoTxt", "labSize"})
            QCOMPARE(copy.outlet<QLabel>(caption)->palette().color(QPalette::WindowText),
                     QColor(inverted ? Qt::white : Qt::black));
        // The query's echo is a presence request: answered, never shown.
        loop.advance(Seconds(1));
        QCOMPARE(network.traffic.last(), wire::presenceAnswer(name));
        QCOMPARE(copy.transcript(), greeting);
        QVERIFY(!copy.application.hidden); // auto-hide waits for a send
    }

    // No welcome and no query, an empty field; and once the fault is gone the copy hears the
    // network without its user doing anything. A held port is tried again ever more slowly.
    void badStart_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::newRow("network") << u" SYSTEM  >  NO NETWORK CONECTION"_s;
        QTest::newRow("port") << u" SYSTEM  >  NOT SENT: the chat port cannot be opened, trying again"_s;
        QTest::newRow("name") << u"NOT SENT: the message is too long"_s;
    }
    void badStart()
    {
        QFETCH(const QString, shown);
        const QLatin1StringView fault(QTest::currentDataTag());
        ManualMainLoop loop;
        FakeNetwork network(loop);
        ChatCopy copy(network, loop, fault == "name"_L1 ? QString(maxDatagramPayload, u'n') : u"ann"_s);
        copy.settings.setBool(keys::hide, true);
        copy.reachable = fault != "network"_L1;
        copy.socket.canSetUp = fault != "port"_L1;
        const TraceCapture traces;
        copy.start();
        loop.advance(Seconds(60));
        QVERIFY2(copy.transcript().contains(shown), qPrintable(copy.transcript()));
        QVERIFY(!copy.transcript().contains(u"Welcome"_s));
        QVERIFY(copy.outlet("txtMsg")->text().isEmpty());
        QVERIFY(network.traffic.isEmpty());
        QVERIFY(traces.lines.count(u">>> Error while initializing socket: Address already in use"_s) < 15);
        copy.reachable = copy.socket.canSetUp = true;
        loop.advance(Seconds(10));
        network.inject(wire::chatLine(u"bob", u"hi").toUtf8());
        loop.advance(Seconds(1));
        QVERIFY2(copy.transcript().endsWith(stamp + wire::chatLine(u"bob", u"hi")), qPrintable(copy.transcript()));
        QCOMPARE(copy.socket.setUps, 1);
    }

    // After a send, the next line within a tenth of a second is taken for its own echo.
    void ownLineWindow_data()
    {
        QTest::addColumn<double>("delay");
        QTest::addColumn<QString>("arriving"); // empty: the own echo alone
        QTest::addColumn<QColor>("colour");
        QTest::newRow("own echo") << 0.02 << QString() << QColor(Qt::blue);
        QTest::newRow("own echo too late") << 0.3 << QString() << QColor(Qt::red);
        QTest::newRow("other line in time") << 0.05 << wire::chatLine(u"bob", u"hi") << QColor(Qt::red);
        QTest::newRow("own text again") << 0.02 << wire::chatLine(u"ann", u"hello") << QColor(Qt::blue);
    }
    void ownLineWindow()
    {
        QFETCH(const double, delay);
        QFETCH(const QString, arriving);
        QFETCH(const QColor, colour);
        Lan ann({u"ann"_s}, Seconds{delay});
        TraceCapture traces;
        ann[0].send(u"hello"_s);
        if (!arriving.isEmpty())
            ann.network.inject(arriving.toUtf8());
        ann.loop.advance(Seconds(delay + 0.001));

        const QString line = arriving.isEmpty() ? u"  ann    >    hello"_s : arriving;
        QVERIFY(ann[0].transcript().contains(stamp + line));
        QCOMPARE(ann[0].colourOf(line), colour);
        QCOMPARE(traces.lines.count(u"this is me"_s), delay < 0.1 ? 1 : 0); // once a send
    }

    void unsavedSettingsAreShown()
    {
        Lan ann({u"ann"_s});
        const QString file = ann[0].directory.filePath(u"Corvel.conf"_s);
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkdir(file)); // where the file should be written
        ann[0].outlet<Stepper>("stepFontSize")->stepBy(1);
        ann.loop.runPending();
        QVERIFY(ann[0].transcript().endsWith(stamp + u" SYSTEM  >  SETTINGS NOT SAVED: "_s + file +
                                             u" cannot be written"_s));
    }

    // Behind a firewall that lets nothing in, the silence is told in the transcript and to whoever shows
    // the hint, and lines that went out show as not confirmed; once datagrams come back, that is told.
    void firewallIsHinted()
    {
        Lan ann({u"ann"_s});
        ann[0].socket.firewalled = true;
        ann[0].send(u"anyone?"_s);
        ann.after(3.1);
        QVERIFY(ann[0].firewallHint.contains(u"blocks UDP port 54545"_s));
        QCOMPARE(ann[0].transcript().count(stamp + u" SYSTEM  >  "_s + ann[0].firewallHint), 1);
        QCOMPARE(ann[0].colourOf(wire::chatLine(u"ann", u"anyone?") + u"   (not confirmed"_s), QColor(Qt::blue));
        ann[0].socket.firewalled = false;
        ann[0].send(u"back"_s);
        ann.after(0.1);
        QVERIFY(ann[0].firewallHint.isEmpty());
        QVERIFY(ann[0].transcript().endsWith(u" SYSTEM  >  Your own messages come back again."_s + stamp +
                                             wire::chatLine(u"ann", u"back")));
    }

    void unsentTextStaysInTheField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("notice");
        QTest::newRow("no network") << u"hello"_s << u"\n  SYSTEM  >  NO NETWORK CONECTION"_s;
        QTest::newRow("refused") << u"hello"_s << u" SYSTEM  >  NOT SENT: the network refused the message"_s;
        QTest::newRow("too long") << QString(65'494, u'x') << u"too long for one datagram (at most 65493 bytes)"_s;
    }
    void unsentTextStaysInTheField()
    {
        QFETCH(const QString, text);
        QFETCH(const QString, notice);
        Lan ann({u"ann"_s});
        ann.network.inject(wire::chatLine(u"bob", u"a\u00a0b\u2028c").toUtf8());
        ann.loop.advance(Seconds(0.05));
        const QLatin1StringView failure(QTest::currentDataTag());
        ann[0].reachable = failure != "no network"_L1;
        ann[0].socket.refusing = failure == "refused"_L1;
        ann[0].send(text);
        QCOMPARE(ann[0].outlet("txtMsg")->text(), text);
        QVERIFY(ann.network.traffic.isEmpty());
        QVERIFY(ann[0].transcript().contains(notice));
        // The notice changes nothing shown before it, and the same text from elsewhere is not ours.
        ann.network.inject(wire::chatLine(u"ann", text).toUtf8());
        ann.loop.advance(Seconds(0.05));
        QCOMPARE(ann[0].colourOf(notice.trimmed()), QColor(Qt::black));
        QCOMPARE(ann[0].colourOf(u"a\u00a0b\u2028c"_s), QColor(Qt::red));
        QCOMPARE(ann[0].colourOf(wire::chatLine(u"ann", text).left(99)), QColor(Qt::red));
    }

    // Payloads shown as they are, then payloads shown otherwise or not at all.
    void receivedTextIsDispatchedByKind_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("answer");
        const auto shownAsSent = [](const char *name, const QString &text) {
            QTest::newRow(name) << text.toUtf8() << welcome + stamp + text << QString();
        };
        shownAsSent("line", u"  bob    >    hi"_s);
        shownAsSent("markup", u"  bob    >    <b>x</b><img src=/etc/passwd>"_s);
        shownAsSent("empty", QString());
        shownAsSent("another's presence answer", u" SYSTEM  >  bob IS ONLINE"_s);
        shownAsSent("byte order mark", u"\uFEFF  bob    >    hi"_s);
        shownAsSent("NUL", u"  bob    >    a\0b"_s);
        QTest::newRow("query in a line") << QByteArray("  bob    >    who <online?> is here") << welcome
                                         << u" SYSTEM  >  ann IS ONLINE"_s;
        QTest::newRow("presence answer") << wire::presenceAnswer(u"ann").toUtf8() << welcome << QString();
        QTest::newRow("call acknowledgement") << wire::callAcknowledgement(u"bob").toUtf8() << welcome << QString();
        QTest::newRow("two commands") << QByteArray("  bob    >    <flash><clear>") << welcome << QString();
        QTest::newRow("clear") << QByteArray("  bob    >    <clear>") << u"  "_s << QString();
        QTest::newRow("cut-off character") << QByteArray("  bob    >    \xE2\x82") << welcome << QString();
    }
    void receivedTextIsDispatchedByKind()
    {
        QFETCH(const QByteArray, payload);
        QFETCH(const QString, shown);
        QFETCH(const QString, answer);
        Lan ann({u"ann"_s});
        // Twice, as through two interfaces on one LAN: acted on once.
        ann.network.inject(payload);
        ann.network.inject(payload);
        ann.loop.advance(Seconds(0.12));
        QCOMPARE(ann[0].transcript(), shown);
        QCOMPARE(ann.network.traffic, answer.isEmpty() ? QStringList() : QStringList{answer});
    }

    void everyDatagramDrawsAttention()
    {
        Lan ann({u"ann"_s});
        FakeApplication &application = ann[0].application;
        ann.network.inject(QByteArray("\xfd"));
        ann.loop.advance(Seconds(0.05));
        QCOMPARE(application.attentionRequests, 0); // a window in sight needs none
        application.hidden = true;
        ann.network.inject(QByteArray("\xff"));
        ann.loop.advance(Seconds(0.05));
        QVERIFY(application.hidden);
        QCOMPARE(application.attentionRequests, 1);

        ann[0].settings.setBool(keys::hide, true);
        ann.network.inject(QByteArray("\xfe"));
        ann.loop.advance(Seconds(0.05));
        QVERIFY(!application.hidden);
        QCOMPARE(application.activations, 1);
        QCOMPARE(application.attentionRequests, 1);
    }

private:
    TraceCapture m_quiet;
};

QTEST_MAIN(ChatWindowTest)
#include "test_chat_window.moc"
