// Two copies of the chat window with real sockets, inside this test's own network namespace.
#include "chat/ViewController.h"
#include "chat/chat_view.h"
#include "net/broadcast_socket.h"
#include "net/reachability.h"
#include "net/wire.h"
#include "platform/qt_main_loop.h"
#include "settings/settings_store.h"
#include "support/fake_application.h"
#include "support/trace_capture.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;

namespace {

struct RealCopy {
    explicit RealCopy(const QString &name) : settings(directory.filePath(u"Corvel.conf"_s))
    {
        settings.setString(u"Username", name);
        view.show();
        controller.viewDidLoad();
    }
    [[nodiscard]] QString transcript() const { return view.ui.txtChat->toPlainText(); }
    [[nodiscard]] QColor colourOf(const QString &text) const
    {
        return view.ui.txtChat->document()->find(text).charFormat().foreground().color();
    }

    QTemporaryDir directory;
    SettingsStore settings;
    QtMainLoop loop;
    BroadcastSocket socket;
    test::FakeApplication application;
    ChatView view;
    ViewController controller{{settings, loop, socket, application, &Reachability::isNetworkReachable}, view};
};

} // namespace

class TwoCopiesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chatBetweenTwoCopies()
    {
        test::TraceCapture quiet;
        RealCopy ann(u"ann"_s);
        RealCopy bob(u"bob"_s);
        // Each start-up query is answered by both; each shows the other's answer, never its own.
        QTRY_VERIFY(ann.transcript().contains(wire::presenceAnswer(u"bob")));
        QTRY_VERIFY(bob.transcript().contains(wire::presenceAnswer(u"ann")));
        QTest::qWait(200);
        QVERIFY(!ann.transcript().contains(u"ann IS"_s) && !bob.transcript().contains(u"bob IS"_s));

        ann.view.ui.txtMsg->setText(u"hello bob"_s);
        ann.view.ui.cmdSend->click();
        const QString line = wire::chatLine(u"ann", u"hello bob");
        QTRY_VERIFY(ann.transcript().endsWith(line) && bob.transcript().endsWith(line));
        QCOMPARE(ann.colourOf(line), QColor(Qt::blue));
        QCOMPARE(bob.colourOf(line), QColor(Qt::red));
    }
};

QTEST_MAIN(TwoCopiesTest)
#include "test_two_copies.moc"
