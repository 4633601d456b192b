// One copy per user and display: a later launch reaches the running copy, and what a crashed copy
// left behind (its lock file and its socket file) keeps nobody from starting.
#include "app/single_instance.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace corvel;

class SingleInstanceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void crashedCopyLeavesNothingThatBlocks()
    {
        const QTemporaryDir runtime;
        if (const pid_t crashed = fork(); crashed == 0) { // dies without cleaning up
            SingleInstance copy(runtime.path(), u":9"_s);
            const bool claimed = copy.claim();
            copy.listen([] {});
            _exit(claimed ? 0 : 1);
        } else {
            int status = 0;
            QCOMPARE(waitpid(crashed, &status, 0), crashed);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            QVERIFY(QFile::exists(runtime.filePath(u"corvel-:9.socket"_s)));
        }

        SingleInstance running(runtime.path(), u":9"_s);
        QVERIFY(running.claim());
        int launches = 0;
        running.listen([&launches] { ++launches; });
        SingleInstance later(runtime.path(), u":9"_s);
        QVERIFY(!later.claim() && later.reachedRunningCopy());
        QTRY_COMPARE(launches, 1);
        // Another display, or another user's runtime directory, is another copy.
        SingleInstance otherDisplay(runtime.path(), u":10"_s);
        QVERIFY(otherDisplay.claim());
        otherDisplay.listen([] {});
        // By default: this user's runtime directory and this process's display.
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qputenv("DISPLAY", ":10");
        SingleInstance byDefault;
        QVERIFY(!byDefault.claim() && byDefault.reachedRunningCopy());
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
