// One copy per user and display: a later launch reaches the running copy, and what a crashed copy
// left behind (its lock file and its socket file) keeps nobody from starting.
#include "app/single_instance.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <iterator>

#include <sys/socket.h>
#include <sys/un.h>
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
        const QString socketPath = runtime.filePath(u"corvel-:9.socket"_s);
        // A copy that takes the lock, listens and dies without cleaning up.
        if (const pid_t crashed = fork(); crashed == 0) {
            QLockFile lock(runtime.filePath(u"corvel-:9.lock"_s));
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray path = socketPath.toLocal8Bit();
            std::copy_n(path.constData(), std::min<qsizetype>(path.size(), sizeof address.sun_path - 1),
                        std::begin(address.sun_path));
            const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const bool set =
                lock.tryLock(0) && ::bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
            _exit(set ? 0 : 1);
        } else {
            int status = 0;
            QCOMPARE(waitpid(crashed, &status, 0), crashed);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0 && QFile::exists(socketPath));
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
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
