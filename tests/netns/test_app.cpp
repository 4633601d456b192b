// The program as it starts: the document brings up one chat window, the window greets, and
// closing it ends the program. Runs in its own network namespace: start-up broadcasts.
#include "app/AppDelegate.h"
#include "app/Document.h"
#include "net/wire.h"
#include "settings/settings_store.h"
#include "support/trace_capture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace corvel;

class AppTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closingTheChatWindowEndsTheProgram();
    void documentsCanNeitherBeSavedNorRead();
};

void AppTest::closingTheChatWindowEndsTheProgram()
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication::setQuitOnLastWindowClosed(AppDelegate::applicationShouldTerminateAfterLastWindowClosed());
    test::TraceCapture traces;
    Document document;
    document.makeWindowControllers();

    const QWidgetList windows = QApplication::topLevelWidgets();
    QWidget *chat = nullptr;
    for (QWidget *window : windows) {
        if (window->isVisible())
            chat = window;
    }
    QVERIFY(chat != nullptr);
    auto *transcript = chat->findChild<QPlainTextEdit *>(u"txtChat"_s);
    QVERIFY(transcript->toPlainText().startsWith(u"  SYSTEM  >  Welcome to Corvel "_s));
    QVERIFY(QFile::exists(home.filePath(u"Corvel/Corvel.conf"_s)));

    QTimer::singleShot(300, chat, &QWidget::close);
    QCOMPARE(QApplication::exec(), 0); // returns only when the program ends
    QVERIFY(traces.lines.contains(u"Data received: "_s + wire::presenceAnswer(loginName())));
}

void AppTest::documentsCanNeitherBeSavedNorRead()
{
    Document document;
    DocumentError error;
    QCOMPARE(document.dataOfType(u"any"_s, &error), std::nullopt);
    QCOMPARE(error, (DocumentError{u"NSOSStatusErrorDomain"_s, -4}));
    error = {};
    QVERIFY(!document.readFromData("data", u"any"_s, &error));
    QCOMPARE(error.code, -4);
    QVERIFY(!Document::autosavesInPlace());
}

QTEST_MAIN(AppTest)
#include "test_app.moc"
