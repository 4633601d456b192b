// SPDX-License-Identifier: GPL-3.0-or-later
// The transcript under a flood: one scroll per pass, and only the newest whole lines kept.
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
        transcript.append(u"first"_s.leftJustified(5'000, u'x'),
                          Style{}); // a first line too, if too long, is shortened
        QVERIFY(view.document()->firstBlock().text().endsWith(u"copy the line for all of it]"_s));
        const Transcript::Limits limits;
        const int total = limits.lines + 1'500;
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
        QVERIFY(document->blockCount() <= limits.lines);
        QVERIFY(document->blockCount() >= limits.lines - limits.dropLines);
        QCOMPARE(document->lastBlock().text(), u" line %1"_s.arg(total));
        QCOMPARE(document->lastBlock().begin().fragment().charFormat().foreground().color(), QColor(Qt::red));
        QVERIFY(!transcript.text().contains(u"first"_s));
    }

    // Every third line is too long to be shown whole, and all come in one pass.
    void theCharacterBoundDropsOldestWholeLines()
    {
        ManualMainLoop loop;
        QPlainTextEdit view;
        const Transcript::Limits limits{.lines = 1'000, .dropLines = 10, .characters = 60'000, .dropCharacters = 6'000};
        Transcript transcript(view, loop, &QTime::currentTime, limits);
        const auto line = [](int number) {
            return u" line %1 "_s.arg(number).leftJustified(qsizetype(number % 3) * 4'000, u'x');
        };
        const int total = 300;
        for (int number = 1; number <= total; ++number) {
            transcript.append(u'\n' + line(number), Style{Qt::red});
            QVERIFY(transcript.characters() <= limits.characters + limits.dropCharacters + line(number).size());
        }
        loop.runPending();
        const QString text = transcript.text();
        QVERIFY(text.size() <= limits.characters);
        QVERIFY(transcript.characters() >= limits.characters - limits.dropCharacters - line(2).size());
        const QStringList kept = text.split(u'\n');
        for (qsizetype at = 0; at < kept.size(); ++at)
            QCOMPARE(kept[at], line(total - int(kept.size()) + 1 + int(at)));
        QVERIFY(view.document()->lastBlock().previous().text().endsWith(u"copy the line for all of it]"_s));
    }
};

QTEST_MAIN(TranscriptTest)
#include "test_transcript.moc"
