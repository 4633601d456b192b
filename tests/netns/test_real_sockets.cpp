// SPDX-License-Identifier: GPL-3.0-or-later
// What only a real socket shows: copies on one host sharing the port, a port held by a program that does not share it,
// the size of one datagram, foreign bytes arriving as they were sent, and the program as it starts and ends.
#include "app/chat_scene.h"
#include "net/broadcast_socket.h"
#include "net/datagram_reader.h"
#include "net/wire.h"
#include "platform/translations.h"
#include "settings/login_name.h"
#include "settings/settings_store.h"
#include "support/trace_capture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QNetworkInterface>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

using namespace corvel;
using namespace Qt::StringLiterals;
using Result = DatagramSocket::SendResult;

namespace {

void sendRaw(const QByteArray &payload) // from an unbound socket, as a peer that is no copy of ours
{
    QUdpSocket peer;
    QCOMPARE(peer.writeDatagram(payload, QHostAddress::Broadcast, BroadcastSocket::port), payload.size());
}

// Every thread but this one sleeps, as a reader does once it has queued all that came.
bool othersAsleep()
{
    int awake = 0;
    for (QDirIterator task(u"/proc/self/task"_s, QDir::Dirs | QDir::NoDotAndDotDot); task.hasNext();) {
        QFile stat(task.next() + u"/stat"_s);
        awake += int(stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") S "));
    }
    return awake == 1; // this one
}

struct Copy {
    explicit Copy(std::chrono::nanoseconds passTime = std::chrono::milliseconds(2)) : socket(passTime)
    {
        QObject::connect(&socket, &DatagramSocket::received,
                         [this](const Datagram &datagram) { received.append(datagram.payload.toByteArray()); });
    }
    // What was sent before, all of it queued before any is taken.
    QByteArrayList drain()
    {
        const QDeadlineTimer patience(30'000); // bounds a failure only
        while (!othersAsleep() && !patience.hasExpired())
            QThread::yieldCurrentThread();
        QTimer::singleShot(int(patience.remainingTime()), [] {}); // ends the last wait at the latest
        while (!socket.caughtUp() && !patience.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return std::exchange(received, {});
    }
    BroadcastSocket socket;
    QByteArrayList received;
};

} // namespace

class RealSocketTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // These tests broadcast, so they refuse to run where a broadcast could leave the machine.
    void initTestCase()
    {
        for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces())
            QVERIFY2(interface.flags().testFlag(QNetworkInterface::IsLoopBack) || interface.name().startsWith(u"lan"_s),
                     qPrintable(interface.name() + u" leads out; run this through tests/netns/run-in-netns.sh"_s));
    }

    // The sender's own copy included, once however often it asks for its socket, and once more for
    // each extra destination. A pass out of time before it starts, as on a busy machine, still reads.
    void everyCopyOnTheHostReceives()
    {
        const test::TraceCapture traces;
        Copy late(std::chrono::nanoseconds::zero());
        Copy sender;
        QVERIFY(late.socket.access());
        QVERIFY(sender.socket.access());
        QVERIFY(sender.socket.access());
        sender.socket.setDestinations([] { return QList{QHostAddress(u"10.99.0.255"_s)}; });
        const QString text = u"  anna    >    grüße €"_s;
        const QString largest(maxDatagramPayload, u'a');
        QCOMPARE(sender.socket.broadcast(text), Result::Sent);
        QCOMPARE(sender.socket.broadcast(largest + u'a'), Result::TooLarge);
        QCOMPARE(sender.socket.broadcast(QString((maxDatagramPayload + 1) / 3, u'€')), Result::TooLarge); // in bytes
        QCOMPARE(sender.socket.broadcast(largest), Result::Sent);
        const QByteArrayList foreign = {QByteArray(), "\xFF", QByteArray("a\0b", 3)};
        for (const QByteArray &payload : foreign)
            sendRaw(payload);
        const QByteArrayList own = {text.toUtf8(), text.toUtf8(), largest.toUtf8(), largest.toUtf8()};
        QCOMPARE(late.drain(), own + foreign);
        QCOMPARE(sender.drain(), own + foreign);
        QCOMPARE(traces.lines.mid(0, 3),
                 QStringList({u"Networks: lan0 10.99.0.1"_s, u"Networks: lan0 10.99.0.1"_s, u"Data sent: "_s + text}));
    }

    // A presence request does not wait behind the lines queued before it; presence answers do.
    void presenceRequestOvertakesQueuedLines()
    {
        Copy copy(std::chrono::nanoseconds::zero()); // a line a pass
        QVERIFY(copy.socket.access());
        QByteArrayList lines;
        for (int line = 0; line < 200; ++line)
            lines.append("  mallory    >    line " + QByteArray::number(line));
        lines.append(" SYSTEM  >  <online?> IS ONLINE"); // an answer waits its turn
        for (const QByteArray &line : lines + QByteArrayList{"  x    >    <online?>"})
            sendRaw(line);
        QCOMPARE(copy.drain(), QByteArrayList{"  x    >    <online?>"} + lines);
    }

    // Drops are told once and then counted from zero, so that silence means again that nothing came. First far more
    // than the queue and the kernel's buffer hold, then one more than the queue holds; the main thread takes none.
    void dropsAreToldOnceThenForgotten()
    {
        test::TraceCapture traces;
        Copy copy;
        QVERIFY(copy.socket.access());
        QUdpSocket peer;
        for (const qsizetype burst : {3 * DatagramReader::maxQueuedDatagrams, DatagramReader::maxQueuedDatagrams + 1}) {
            for (qsizetype sent = 1; sent <= burst; ++sent) {
                peer.writeDatagram("x", QHostAddress::Broadcast, BroadcastSocket::port);
                while (burst == DatagramReader::maxQueuedDatagrams + 1 && sent % 64 == 0 && !othersAsleep())
                    QThread::yieldCurrentThread(); // the kernel drops none of these
            }
            (void)copy.drain(); // ends once the drops are told
            QCOMPARE(std::exchange(traces.lines, {}).filter(u">>> Datagrams dropped: "_s).size(), 1);
        }
    }

    void portHeldWithoutSharingFailsUntilReleased()
    {
        const test::TraceCapture traces;
        QUdpSocket holder;
        QVERIFY(holder.bind(QHostAddress::AnyIPv4, BroadcastSocket::port, QAbstractSocket::DontShareAddress));
        Copy copy;
        QVERIFY(!copy.socket.access());
        QCOMPARE(copy.socket.broadcast(u"lost"_s), Result::NoSocket);
        QCOMPARE(traces.lines,
                 QStringList{u">>> Error while initializing socket: The bound address is already in use"_s});
        {
            // The prefix stays as scripts read it; the system's reason comes in the user's language.
            const Translations german(QLocale::German);
            Copy another;
            QVERIFY(!another.socket.access());
            QCOMPARE(traces.lines.constLast(),
                     u">>> Error while initializing socket: Die angegebene Adresse ist bereits in Gebrauch"_s);
        }
        holder.close();
        QVERIFY(copy.socket.access());
        QCOMPARE(copy.socket.broadcast(u"back"_s), Result::Sent);
        QCOMPARE(copy.drain(), QByteArrayList{"back"});
    }

    // The scene brings up one chat window, which greets, and closing it ends the program.
    void closingTheChatWindowEndsTheProgram()
    {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        test::TraceCapture traces;
        ChatScene scene;
        scene.open();

        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto shown = std::find_if(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); });
        QVERIFY(shown != windows.end());
        QWidget *chat = *shown;
        const auto *transcript = chat->findChild<QPlainTextEdit *>(u"txtChat"_s);
        QVERIFY(transcript->toPlainText().startsWith(u"  SYSTEM  >  Welcome to Corvel "_s));
        QVERIFY(QFile::exists(home.filePath(u"Corvel/Corvel.conf"_s)));
        QTimer::singleShot(300, chat, &QWidget::close);
        QCOMPARE(QApplication::exec(), 0); // returns only when the program ends
        QVERIFY(traces.lines.contains(u"Data received: "_s + wire::presenceAnswer(loginName())));
    }
};

QTEST_MAIN(RealSocketTest)
#include "test_real_sockets.moc"
