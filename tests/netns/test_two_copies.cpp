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

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;
using namespace corvel;

namespace {

struct RealCopy {
    explicit RealCopy(const QString &name) : settings(directory.filePath(u"Corvel.conf"_s))
    {
        settings.setString(u"Username", name);
        controller = std::make_unique<ViewController>(
            ChatServices{settings, loop, socket, application, &Reachability::isNetworkReachable}, view);
        view.show();
        controller->viewDidLoad();
    }
    [[nodiscard]] QString transcript() const { return view.ui.txtChat->toPlainText(); }
    [[nodiscard]] QColor colourOf(const QString &fragment) const
    {
        const QTextCursor found = view.ui.txtChat->document()->find(fragment);
        return found.isNull() ? QColor() : found.charFormat().foreground().color();
    }

    QTemporaryDir directory;
    SettingsStore settings;
    QtMainLoop loop;
    BroadcastSocket socket;
    test::FakeApplication application;
    ChatView view;
    std::unique_ptr<ViewController> controller;
};

} // namespace

class TwoCopiesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(Reachability::isNetworkReachable(), "needs the namespace's default route"); }
    void chatBetweenTwoCopies();

private:
    test::TraceCapture m_quiet;
};

void TwoCopiesTest::chatBetweenTwoCopies()
{
    RealCopy ann(u"ann"_s);
    RealCopy bob(u"bob"_s);

    // Each start-up query is answered by both; each shows the other's answer, never its own.
    QTRY_VERIFY(ann.transcript().contains(u" SYSTEM  >  bob IS ONLINE"_s));
    QTRY_VERIFY(bob.transcript().contains(u" SYSTEM  >  ann IS ONLINE"_s));
    QTest::qWait(200);
    QVERIFY(!ann.transcript().contains(u"ann IS ONLINE"_s));
    QVERIFY(!bob.transcript().contains(u"bob IS ONLINE"_s));

    ann.view.ui.txtMsg->setText(u"hello bob"_s);
    ann.view.ui.cmdSend->click();
    const QString line = wire::chatLine(u"ann", u"hello bob");
    QTRY_VERIFY(ann.transcript().endsWith(line));
    QTRY_VERIFY(bob.transcript().endsWith(line));
    QCOMPARE(ann.colourOf(line), QColor(Qt::blue));
    QCOMPARE(bob.colourOf(line), QColor(Qt::red));
}

QTEST_MAIN(TwoCopiesTest)
#include "test_two_copies.moc"
