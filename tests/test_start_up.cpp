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
    void platformAndNoticesPerSession()
    {
        struct Row {
            SessionEnvironment environment;
            QString running;
            QByteArray forced;
            QString noticeHolds;  // empty: no notice at all
            QString failureHolds; // when no display can be reached
        };
        const QByteArray x11 = "xcb;wayland"_ba;
        const QString wayland = u"wayland"_s;
        const QString wayland0 = u"wayland-0"_s;
        const QString xcb = u"xcb"_s;
        const QList<Row> rows = {
            {{u"x11"_s, {}, u":0"_s, {}}, xcb, {}, {}, u"connect to the X display \":0\""_s},
            {{}, xcb, {}, {}, u"neither DISPLAY nor WAYLAND_DISPLAY"_s},
            {{wayland, wayland0, u":0"_s, {}},
             xcb,
             x11,
             u"XWayland"_s,
             u"\"wayland-0\" (is its compositor running?) or the X display \":0\""_s},
            {{{}, wayland0, u":1"_s, {}}, xcb, x11, u"XWayland"_s, u":1"_s},
            {{wayland, {}, u":0"_s, u""_s}, xcb, x11, u"XWayland"_s, u":0"_s},
            {{wayland, wayland0, {}, {}}, wayland, {}, u"cannot stay on top"_s, u"Wayland display \"wayland-0\""_s},
            // XWayland refused the connection.
            {{wayland, wayland0, u":0"_s, {}}, wayland, x11, u"cannot stay on top"_s, wayland0},
            {{wayland, wayland0, u":0"_s, wayland}, wayland, {}, {}, u"\"wayland\" set in QT_QPA_PLATFORM"_s}};
        for (const auto &[environment, running, forced, noticeHolds, failureHolds] : rows) {
            QCOMPARE(platformToForce(environment), forced);
            const QString notice = platformNotice(environment, running);
            QCOMPARE(notice.isEmpty(), noticeHolds.isEmpty());
            QVERIFY2(notice.contains(noticeHolds), qPrintable(notice));
            QVERIFY2(!notice.contains(u'\n'), qPrintable(notice));
            const QString failure = displayFailure(environment);
            QVERIFY2(failure.startsWith(u"Corvel cannot open its window: "_s), qPrintable(failure));
            QVERIFY2(failure.contains(failureHolds), qPrintable(failure));
        }
    }

    // Qt's own options pass, as words after one dash too; anything else is refused with a reason.
    void commandLineAnswers()
    {
        using Action = CommandLine::Action;
        const QList<std::tuple<QString, Action, bool>> rows = {
            {u""_s, Action::Run, false},
            {u"-platform xcb --new-instance"_s, Action::Run, true},
            {u"-style=fusion -reverse --help"_s, Action::Help, false},
            {u"-title Chat -icon corvel.png -?"_s, Action::Help, false},
            {u"--help-all"_s, Action::Refuse, false},
            {u"-v"_s, Action::Version, false},
            {u"--new-instanse"_s, Action::Refuse, false},
            {u"-new"_s, Action::Refuse, false},
            {u"chat"_s, Action::Refuse, false},
        };
        for (const auto &[arguments, action, newInstance] : rows) {
            const CommandLine line =
                parseCommandLine(QStringList{u"corvel"_s} + arguments.split(u' ', Qt::SkipEmptyParts));
            QVERIFY2(line.action == action, qPrintable(arguments));
            QVERIFY2(line.newInstance == newInstance, qPrintable(arguments));
            QVERIFY(line.usage.startsWith(u"Usage: corvel [options]"_s));
            QVERIFY(line.usage.contains(u"--new-instance"_s));
            QVERIFY(!line.usage.contains(u"--help-all"_s));
            QCOMPARE(line.error.isEmpty(), action != Action::Refuse);
        }
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
        SingleInstance otherDisplay(runtime.path(), u":10"_s);
        QVERIFY(otherDisplay.claim());
        QVERIFY(otherDisplay.listen());
        // By default: this user's runtime directory and this process's display.
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qputenv("DISPLAY", ":10");
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
