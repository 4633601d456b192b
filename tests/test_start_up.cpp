// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up decides: which windowing platform the program asks for and what it tells the user,
// per session; and one copy per user and display, where a later launch reaches the running copy and
// what a crashed copy left behind (its lock file and its socket file) keeps nobody from starting.
#include "app/command_line.h"
#include "desktop/single_instance.h"
#include "platform/platform_choice.h"

#include <QDir>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace corvel;

class StartUpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void platformAndNoticesPerSession_data()
    {
        QTest::addColumn<SessionEnvironment>("environment");
        QTest::addColumn<QString>("running");
        QTest::addColumn<QByteArray>("forced");
        QTest::addColumn<QString>("noticeHolds");  // empty: no notice at all
        QTest::addColumn<QString>("failureHolds"); // when no display can be reached
        const QByteArray x11 = "xcb;wayland"_ba;
        const QString wayland = u"wayland"_s;
        const QString wayland0 = u"wayland-0"_s;
        const QString xcb = u"xcb"_s;
        QTest::newRow("X11") << SessionEnvironment{u"x11"_s, {}, u":0"_s, {}} << xcb << QByteArray() << QString()
                             << u"connect to the X display \":0\""_s;
        QTest::newRow("no display") << SessionEnvironment{} << xcb << QByteArray() << QString()
                                    << u"neither DISPLAY nor WAYLAND_DISPLAY"_s;
        QTest::newRow("Wayland with XWayland")
            << SessionEnvironment{wayland, wayland0, u":0"_s, {}} << xcb << x11 << u"XWayland"_s
            << u"\"wayland-0\" (is its compositor running?) or the X display \":0\""_s;
        QTest::newRow("Wayland display alone")
            << SessionEnvironment{{}, wayland0, u":1"_s, {}} << xcb << x11 << u"XWayland"_s << u":1"_s;
        QTest::newRow("Wayland session, platform set empty")
            << SessionEnvironment{wayland, {}, u":0"_s, u""_s} << xcb << x11 << u"XWayland"_s << u":0"_s;
        QTest::newRow("Wayland without XWayland")
            << SessionEnvironment{wayland, wayland0, {}, {}} << wayland << QByteArray() << u"cannot stay on top"_s
            << u"Wayland display \"wayland-0\""_s;
        QTest::newRow("XWayland refused") << SessionEnvironment{wayland, wayland0, u":0"_s, {}} << wayland << x11
                                          << u"cannot stay on top"_s << wayland0;
        QTest::newRow("Wayland chosen") << SessionEnvironment{wayland, wayland0, u":0"_s, wayland} << wayland
                                        << QByteArray() << QString() << u"\"wayland\" set in QT_QPA_PLATFORM"_s;
    }
    void platformAndNoticesPerSession()
    {
        QFETCH(const SessionEnvironment, environment);
        QFETCH(const QString, running);
        QFETCH(const QByteArray, forced);
        QFETCH(const QString, noticeHolds);
        QFETCH(const QString, failureHolds);
        QCOMPARE(platformToForce(environment), forced);
        const QString notice = platformNotice(environment, running);
        QCOMPARE(notice.isEmpty(), noticeHolds.isEmpty());
        QVERIFY2(notice.contains(noticeHolds), qPrintable(notice));
        QVERIFY2(!notice.contains(u'\n'), qPrintable(notice));
        const QString failure = displayFailure(environment);
        QVERIFY2(failure.startsWith(u"Corvel cannot open its window: "_s), qPrintable(failure));
        QVERIFY2(failure.contains(failureHolds), qPrintable(failure));
    }

    // Qt's own options pass, as words after one dash too; anything else is refused with a reason.
    void commandLineAnswers_data()
    {
        using Action = CommandLine::Action;
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("newInstance");
        QTest::newRow("none") << u""_s << Action::Run << false;
        QTest::newRow("a new instance") << u"-platform xcb --new-instance"_s << Action::Run << true;
        QTest::newRow("help after Qt's options") << u"-style=fusion -reverse --help"_s << Action::Help << false;
        QTest::newRow("-?") << u"-title Chat -icon corvel.png -?"_s << Action::Help << false;
        QTest::newRow("every option of Qt's and of X11's")
            << u"-platform p -platformpluginpath p -platformtheme t -plugin p -qwindowgeometry 9x9 -qwindowicon i "
               "-qwindowtitle t -reverse -session s -style s -stylesheet s -widgetcount -qmljsdebugger d -display :1 "
               "-geometry 9x9 -name n -title t -icon i -visual v -ncols 8 -cmap -nograb -dograb"_s
            << Action::Run << false;
        QTest::newRow("--help-all") << u"--help-all"_s << Action::Refuse << false;
        QTest::newRow("-v") << u"-v"_s << Action::Version << false;
        QTest::newRow("misspelt") << u"--new-instanse"_s << Action::Refuse << false;
        QTest::newRow("one dash for a long option") << u"-new"_s << Action::Refuse << false;
        QTest::newRow("a word") << u"chat"_s << Action::Refuse << false;
    }
    void commandLineAnswers()
    {
        QFETCH(const QString, arguments);
        QFETCH(const CommandLine::Action, action);
        QFETCH(const bool, newInstance);
        QCoreApplication::setApplicationName(u"Corvel"_s);
        QCoreApplication::setApplicationVersion(u"0.1"_s);
        const CommandLine line = parseCommandLine(QStringList{u"corvel"_s} + arguments.split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(line.action, action);
        QCOMPARE(line.newInstance, newInstance);
        QVERIFY(line.usage.startsWith(u"Usage: corvel [options]"_s));
        QVERIFY(line.usage.contains(u"--new-instance"_s));
        QVERIFY(!line.usage.contains(u"--help-all"_s));
        QVERIFY(!line.usage.contains(u"-platform"_s)); // Qt's own options are taken, not offered
        QCOMPARE(line.error.isEmpty(), action != CommandLine::Action::Refuse);
        QCOMPARE(line.version, u"Corvel 0.1"_s);
    }

    void crashedCopyLeavesNothingThatBlocks()
    {
        const QTemporaryDir runtime;
        if (const pid_t crashed = fork(); crashed == 0) { // dies without cleaning up
            SingleInstance copy(runtime.path(), u":9"_s);
            _exit(copy.claim() && copy.listen() ? 0 : 1);
        } else {
            int status = 0;
            QCOMPARE(waitpid(crashed, &status, 0), crashed);
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0);
            // It left its socket file, which a plain listen cannot take over.
            QLocalServer stale;
            QVERIFY(!stale.listen(localAddress(runtime.filePath(u"corvel-:9.socket"_s)).name));
        }

        SingleInstance running(runtime.path(), u":9"_s);
        QVERIFY(running.claim());
        const QSignalSpy launches(&running, &SingleInstance::launched);
        QVERIFY(running.listen());
        SingleInstance later(runtime.path(), u":9"_s);
        QVERIFY(!later.claim());
        QVERIFY(later.reachedRunningCopy());
        QTRY_COMPARE(launches.count(), 1);
        // Another display, or another user's runtime directory, is another copy.
        SingleInstance otherDisplay(runtime.path(), u"_tmp_launchd_org.xquartz:0"_s);
        QVERIFY(otherDisplay.claim());
        QVERIFY(otherDisplay.listen());
        // By default: this user's runtime directory and this process's display, made fit for a file name.
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qputenv("DISPLAY", "/tmp/launchd/org.xquartz:0");
        SingleInstance byDefault;
        QVERIFY(!byDefault.claim());
        QVERIFY(byDefault.reachedRunningCopy());
    }

    // An abstract name has no permissions: another user's program that took it first is no copy of
    // ours, so a later launch neither takes it for one nor ends in silence.
    void anotherUsersNameIsNoRunningCopy()
    {
        if (geteuid() != 0)
            QSKIP("listening as another user needs root");
        const QTemporaryDir runtime;
        // Too long for a socket file, so the address is an abstract name.
        const QString longRuntime = runtime.filePath(QString(120, u'r'));
        QVERIFY(QDir().mkpath(longRuntime));
        const LocalAddress address = localAddress(longRuntime + u"/corvel-:9.socket"_s);
        if (!address.abstract)
            QSKIP("no abstract names in this build: the server's name is not the user's to guard");
        // The listener's credentials are those it listened with.
        QVERIFY(seteuid(65534) == 0);
        QLocalServer squatter;
        squatter.setSocketOptions(QLocalServer::AbstractNamespaceOption);
        const bool listening = squatter.listen(address.name);
        QVERIFY(seteuid(0) == 0);
        QVERIFY(listening);
        SingleInstance running(longRuntime, u":9"_s);
        QVERIFY(running.claim());
        QVERIFY(!running.listen());
        SingleInstance later(longRuntime, u":9"_s);
        QVERIFY(!later.claim());
        QVERIFY(!later.reachedRunningCopy());
        QVERIFY(later.takenByOtherUser());
    }
};

QTEST_GUILESS_MAIN(StartUpTest)
#include "test_start_up.moc"
