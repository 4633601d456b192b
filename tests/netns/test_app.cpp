// The program as it starts: the document brings up one chat window, which greets, and closing it
// ends the program. Runs in its own network namespace: start-up broadcasts.
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
    void closingTheChatWindowEndsTheProgram()
    {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        QApplication::setQuitOnLastWindowClosed(AppDelegate::applicationShouldTerminateAfterLastWindowClosed());
        test::TraceCapture traces;
        Document document;
        document.makeWindowControllers();

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

QTEST_MAIN(AppTest)
#include "test_app.moc"
