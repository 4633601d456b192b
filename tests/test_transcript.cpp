// The transcript: exact line layout, plain rewrites, and the cap that keeps a flood from
// exhausting memory.
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
    void timeStampedLine();
    void plainAppendDropsStyles();
    void onePassScrollsOnceAtItsEnd();
    void keepsOnlyTheNewestLines();
};

void TranscriptTest::timeStampedLine()
{
    ManualMainLoop loop;
    QPlainTextEdit view;
    Transcript transcript(view, loop, [] { return QTime(21, 5, 7); });
    QCOMPARE(transcript.timeStampedLine(u"T"_s), u"\n 21:05:07  \t T"_s);
    QCOMPARE(transcript.timeStampedLine({}), u"\n 21:05:07  \t "_s);
}

void TranscriptTest::plainAppendDropsStyles()
{
    ManualMainLoop loop;
    QPlainTextEdit view;
    Transcript transcript(view, loop);
    transcript.replace(u"welcome"_s);
    transcript.append(u"\n red line"_s, Style{Qt::red});
    transcript.appendPlain(u" SYSTEM  >  NO NETWORK CONECTION"_s);
    QCOMPARE(transcript.text(), u"welcome\n red line\n  SYSTEM  >  NO NETWORK CONECTION"_s);
    const QTextBlock red = view.document()->findBlockByNumber(1);
    QCOMPARE(red.begin().fragment().charFormat().foreground().style(), Qt::NoBrush);
}

void TranscriptTest::onePassScrollsOnceAtItsEnd()
{
    ManualMainLoop loop;
    QPlainTextEdit view;
    view.resize(200, 100);
    view.show();
    Transcript transcript(view, loop);
    for (int line = 0; line < 200; ++line)
        transcript.append(u"\n line %1"_s.arg(line), Style{Qt::blue});
    QCOMPARE(transcript.text().count(u'\n'), 200); // in the document at once
    loop.runPending();
    QCOMPARE(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
    QVERIFY(view.verticalScrollBar()->maximum() > 0);
}

void TranscriptTest::keepsOnlyTheNewestLines()
{
    ManualMainLoop loop;
    QPlainTextEdit view;
    Transcript transcript(view, loop);
    transcript.replace(u"first"_s);
    const int total = Transcript::maxLines + 1'500;
    for (int line = 1; line <= total; ++line) {
        transcript.append(u"\n line %1"_s.arg(line), Style{Qt::red});
        if (line % 256 == 0)
            loop.runPending();
    }
    loop.runPending();
    const QTextDocument *document = view.document();
    QVERIFY(document->blockCount() <= Transcript::maxLines);
    QVERIFY(document->blockCount() >= Transcript::maxLines - Transcript::dropBatch);
    QCOMPARE(document->lastBlock().text(), u" line %1"_s.arg(total));
    QVERIFY(!transcript.text().contains(u"first"_s));
    QCOMPARE(document->lastBlock().begin().fragment().charFormat().foreground().color(), QColor(Qt::red));
}

QTEST_MAIN(TranscriptTest)
#include "test_transcript.moc"
