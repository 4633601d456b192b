// SPDX-License-Identifier: GPL-3.0-or-later
// The ways back to a hidden window: notifications against a notification server of the test's own
// on a private session bus, and what the tray icon shows.
#include "desktop/desktop_shell.h"
#include "net/wire.h"
#include "platform/translations.h"
#include "settings/keys.h"
#include "support/chat_copy.h"
#include "support/printing.h"
#include "support/trace_capture.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

namespace {

const QString notifications = u"org.freedesktop.Notifications"_s;
const QString notificationsPath = u"/org/freedesktop/Notifications"_s;

// Whatever the program sent to the server before this call has reached it after.
void barrier()
{
    QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(notifications, notificationsPath, notifications, u"GetCapabilities"_s),
        QDBus::BlockWithGui);
}

// Reads markup, as most servers do, and records every notification.
class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QList<Notice> shown;

public Q_SLOTS:
    static QStringList GetCapabilities() { return {u"body"_s, u"body-markup"_s, u"actions"_s}; }
    uint Notify(const QString & /*app*/, uint /*replaces*/, const QString & /*icon*/, const QString &summary,
                const QString &body, const QStringList & /*actions*/, const QVariantMap & /*hints*/, int /*timeout*/)
    {
        shown.append({summary, body});
        return uint(shown.size());
    }
};

} // namespace

class DesktopShellTest : public QObject {
    Q_OBJECT
    QProcess m_bus; // a session bus of the test's own, killed with the test

private Q_SLOTS:
    // Qt keeps the first session bus it meets: every test here sees this one.
    void initTestCase()
    {
        m_bus.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s});
        QVERIFY(m_bus.waitForReadyRead(10000));
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
    }

    // A double-click comes after the click that hid the window; slow clicks toggle twice.
    void trayClicksAndAStartWithoutTray_data()
    {
        QTest::addColumn<bool>("startHidden");
        QTest::addColumn<QList<QSystemTrayIcon::ActivationReason>>("clicks");
        QTest::addColumn<bool>("hidden");
        using enum QSystemTrayIcon::ActivationReason;
        QTest::newRow("click hides") << false << QList{Trigger} << true;
        QTest::newRow("double-click on a shown window") << false << QList{Trigger, DoubleClick} << false;
        QTest::newRow("double-click on a hidden window") << true << QList{Trigger, DoubleClick} << false;
        QTest::newRow("two slow clicks") << false << QList{Trigger, Trigger} << false;
        QTest::newRow("menu leaves it") << true << QList{Context} << true;
    }

    void trayClicksAndAStartWithoutTray()
    {
        QFETCH(bool, startHidden);
        QFETCH(QList<QSystemTrayIcon::ActivationReason>, clicks);
        QFETCH(bool, hidden);
        const TraceCapture quiet;
        Lan lan({u"ann"_s});
        ChatCopy &ann = lan[0];
        ann.view->show();
        ann.application.hidden = startHidden;
        DesktopShell shell(*ann.view, *ann.controller, ann.application, ann.settings, lan.loop);
        for (const auto reason : clicks)
            shell.trayActivated(reason);
        QCOMPARE(ann.application.hidden, hidden);
        // This platform has no tray: a start without one shows the window after the wait.
        ann.application.hidden = true;
        shell.showUnlessTrayWithin(Seconds(10));
        lan.after(9.9);
        QVERIFY(ann.application.hidden);
        lan.after(0.2);
        QVERIFY(!ann.application.hidden);
    }

    void notifiesWhileAwayAtMostOnceASecond()
    {
        NotificationServer notices;
        QDBusConnection serverSide = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"server"_s);
        QVERIFY(serverSide.registerObject(notificationsPath, &notices, QDBusConnection::ExportAllSlots));
        QVERIFY(serverSide.registerService(notifications));
        const TraceCapture quiet;
        const Translations english(QLocale::English); // its plural forms
        Lan lan({u"ann"_s});
        ChatCopy &ann = lan[0];
        DesktopShell shell(*ann.view, *ann.controller, ann.application, ann.settings, lan.loop);
        QObject::connect(ann.controller.get(), &ViewController::arrived, &shell, &DesktopShell::arrived);
        const auto arrive = [&lan](const QString &line, Seconds then) {
            lan.network.inject(wire::chatLine(u"bob", line).toUtf8());
            lan.loop.advance(then);
        };

        ann.view->hide();
        ann.application.hide();
        lan.network.inject(wire::callText.toUtf8());
        arrive(u"<b>bold</b>"_s, Seconds(0));
        arrive(u"2 & <a href='x'>link</a>"_s, Seconds(0.05));
        QTRY_COMPARE(notices.shown.size(), 1);
        QCOMPARE(notices.shown[0], (Notice{u"Corvel: 2 unread lines and a call"_s,
                                           u"bob    &gt;    2 &amp; &lt;a href=&apos;x&apos;&gt;link&lt;/a&gt;"_s}));
        QCOMPARE(shell.trayToolTip(), u"Corvel: 2 unread lines and a call"_s);

        // The copy's own line and question are nobody's news; the next line waits for the second to pass.
        ann.send(u"mine"_s);
        ann.click("cmdOnline");
        lan.after(0.2);
        arrive(u"3"_s, Seconds(0.5));
        barrier();
        QCOMPARE(notices.shown.size(), 1);
        lan.after(0.5);
        QTRY_COMPARE(notices.shown.size(), 2);
        QCOMPARE(notices.shown[1], (Notice{u"Corvel: 1 unread line"_s, u"bob    &gt;    3"_s}));

        // A click on the notification brings the window back with the plain icon; one on another program's does not.
        for (const uint id : {7U, 2U}) {
            QDBusMessage click = QDBusMessage::createSignal(notificationsPath, notifications, u"ActionInvoked"_s);
            click << id << u"default"_s;
            QDBusConnection(u"server"_s).send(click);
            barrier();
            QTRY_COMPARE(ann.application.hidden, id != 2);
        }
        ann.view->show();
        QCOMPARE(shell.trayToolTip(), u"Corvel"_s);

        // None while the window is active, nor with the setting off.
        ann.view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ann.view.get()));
        arrive(u"4"_s, Seconds(2));
        ann.settings.setBool(keys::notifications, false);
        ann.view->hide();
        arrive(u"5"_s, Seconds(2));
        barrier();
        QCOMPARE(notices.shown.size(), 2);
        QCOMPARE(shell.trayToolTip(), u"Corvel: 1 unread line"_s);
        // The firewall hint stays in the tooltip while it lasts.
        shell.setFirewallHint(u"blocked"_s);
        QCOMPARE(shell.trayToolTip(), u"Corvel: 1 unread line\nblocked"_s);
        shell.setFirewallHint({});
        QCOMPARE(shell.trayToolTip(), u"Corvel: 1 unread line"_s);
    }
};

QTEST_MAIN(DesktopShellTest)
#include "test_desktop_shell.moc"
