// The transcript under a flood: one scroll per pass, and only the newest lines kept.
#include "chat/transcript.h"
#include "platform/manual_main_loop.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;
using namespace corvel;

class TranscriptTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aFloodKeepsTheNewestLinesAndScrollsOncePerPass()
    {
        ManualMainLoop loop;
        QPlainTextEdit view;
        view.resize(200, 100);
        view.show();
        Transcript transcript(view, loop);
        transcript.replace(u"first"_s);
        const int total = Transcript::maxLines + 1'500;
        for (int line = 1; line <= total; ++line) {
            transcript.append(u"\n line %1"_s.arg(line), Style{Qt::red});
            if (line % 256 == 0) {
                QVERIFY(transcript.text().endsWith(u" line %1"_s.arg(line))); // in the document at once
                loop.runPending();
                QCOMPARE(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
            }
        }
        loop.runPending();
        const QTextDocument *document = view.document();
        QVERIFY(document->blockCount() <= Transcript::maxLines);
        QVERIFY(document->blockCount() >= Transcript::maxLines - Transcript::dropBatch);
        QCOMPARE(document->lastBlock().text(), u" line %1"_s.arg(total));
        QCOMPARE(document->lastBlock().begin().fragment().charFormat().foreground().color(), QColor(Qt::red));
        QVERIFY(!transcript.text().contains(u"first"_s));
    }
};

QTEST_MAIN(TranscriptTest)
#include "test_transcript.moc"
