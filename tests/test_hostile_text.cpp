// SPDX-License-Identifier: GPL-3.0-or-later
// What a hostile peer's text may cost and show: marks stacked on a character are capped in the
// transcript and copied whole; what could reorder or hide text is shown escaped on standard output,
// in `corvel --check` and in notifications; a host answering the check with many names is one host.
#include "app/answer_tally.h"
#include "chat/long_line.h"
#include "chat/transcript.h"
#include "desktop/notification_batch.h"
#include "platform/manual_main_loop.h"
#include "platform/trace.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;
using namespace corvel;

namespace {

const auto marks = [](int count) { return QString(count, QChar(0x0301)); };

} // namespace

class HostileTextTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stackedMarksAreCappedAndCopiedWhole_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("copiedThroughFirstSign");
        const QString stacked = u"a"_s + marks(8) + u"[+1 marks]"_s;
        QTest::newRow("within the limit") << u"a"_s + marks(8) + u'b' << u"a"_s + marks(8) + u'b' << QString();
        QTest::newRow("over the limit") << u"a"_s + marks(12) + u'b' << u"a"_s + marks(8) + u"[+4 marks]b"_s
                                        << u"a"_s + marks(12);
        QTest::newRow("several base characters, and none under the first marks")
            << marks(8) + u'x' + marks(9) + u'y' + marks(3) + u'z' + marks(20)
            << marks(8) + u'x' + marks(8) + u"[+1 marks]y"_s + marks(3) + u'z' + marks(8) + u"[+12 marks]"_s
            << marks(8) + u'x' + marks(9);
        QTest::newRow("surrogate pairs") << u"\U0001D400"_s + u"\U0001D167"_s.repeated(10)
                                         << u"\U0001D400"_s + u"\U0001D167"_s.repeated(8) + u"[+2 marks]"_s
                                         << u"\U0001D400"_s + u"\U0001D167"_s.repeated(10);
        QTest::newRow("joiners stack with marks")
            << u"a"_s + u"\u0301\u200D"_s.repeated(5) << u"a"_s + u"\u0301\u200D"_s.repeated(4) + u"[+2 marks]"_s
            << u"a"_s + u"\u0301\u200D"_s.repeated(5);
        const QString emoji = u"👩🏽‍👩🏽‍👦🏽 👁️‍🗨️ 1️⃣ 🏳️‍🌈"_s;
        QTest::newRow("emoji sequences with joiners") << emoji << emoji << QString();
        const QString notShown = u" … [%1 more characters not shown: copy the line for all of it]"_s;
        QTest::newRow("too long as well")
            << QString(u"a"_s + marks(9)).repeated(500)
            << stacked.repeated(210) + u"a"_s + marks(8) + notShown.arg(2891) << u"a"_s + marks(9);
        QTest::newRow("too long") << QString(4'001, u'x') << QString(4'000, u'x') + notShown.arg(1) << QString();
        QTest::newRow("too long within a surrogate pair")
            << QString(3'999, u'x') + u"😀x"_s << QString(3'999, u'x') + notShown.arg(3) << QString();
    }
    void stackedMarksAreCappedAndCopiedWhole()
    {
        QFETCH(QString, line);
        QFETCH(QString, shown);
        QFETCH(QString, copiedThroughFirstSign);
        ManualMainLoop loop;
        QPlainTextEdit view;
        Transcript transcript(view, loop);
        transcript.append(u"\n"_s + line, Style{});
        const QTextBlock block = view.document()->lastBlock();
        QCOMPARE(block.text(), shown);
        QCOMPARE(transcript.text(), u"\n"_s + line);
        if (copiedThroughFirstSign.isEmpty())
            return;
        const int signAt = block.position() + int(shown.indexOf(u"[+"_s));
        QCOMPARE(wholeText(*view.document(), block.position(), signAt + 1), copiedThroughFirstSign);
        const int end = block.position() + block.length() - 1;
        QCOMPARE(wholeText(*view.document(), signAt + 1, end), line.sliced(signAt - block.position()));
        // Copied in two pieces that meet just after the sign, the line is whole and nothing in it twice.
        const int afterSign = block.position() + int(shown.indexOf(u']')) + 1;
        QCOMPARE(wholeText(*view.document(), block.position(), afterSign) + wholeText(*view.document(), afterSign, end),
                 line);
    }

    void invisibleControlsShowEscaped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("visible");
        QTest::newRow("tab, marks and emoji") << u"a\tá 👍🏽"_s << u"a\tá 👍🏽"_s;
        QTest::newRow("C0, DEL and C1") << u"\x1B[2J\x7F\u0085\u009B"_s << u"\\x1B[2J\\x7F\\x85\\x9B"_s;
        QTest::newRow("NUL and line feed") << u"nul\0byte\nVerdict"_s << u"nul\\x00byte\\x0AVerdict"_s;
        QTest::newRow("direction overrides, embeddings, isolates and marks")
            << u"\u202Eexe.txt\u202C \u202A\u202B\u202D \u2066\u2067\u2068x\u2069\u200E\u200F\u061C"_s
            << u"\\u202Eexe.txt\\u202C \\u202A\\u202B\\u202D \\u2066\\u2067\\u2068x\\u2069\\u200E\\u200F\\u061C"_s;
        QTest::newRow("line and paragraph separators") << u"a\u2028Verdict\u2029b"_s << u"a\\u2028Verdict\\u2029b"_s;
        QTest::newRow("zero-width characters")
            << u"\u200B\u200C\u200D\u2060\uFEFF"_s << u"\\u200B\\u200C\\u200D\\u2060\\uFEFF"_s;
    }
    void invisibleControlsShowEscaped()
    {
        QFETCH(QString, text);
        QFETCH(QString, visible);
        QCOMPARE(visibleText(text), visible);
        QCOMPARE(noticeBody(u"  "_s + text + u"\n"_s), visible);
    }

    void aNotificationBodyIsOneShortLine()
    {
        QCOMPARE(noticeBody(u"x"_s.repeated(300)), u"x"_s.repeated(300));
        QCOMPARE(noticeBody(u"x"_s.repeated(301)), u"x"_s.repeated(299) + u'…');
        QCOMPARE(noticeBody(u"x"_s.repeated(298) + u"😀😀"_s), u"x"_s.repeated(298) + u'…');
        QCOMPARE(noticeBody(u"\u202E"_s.repeated(1000)).size(), 300);
    }

    void manyNamesFromOneHostAreOneHost()
    {
        AnswerTally answers;
        for (int name = 0; name < 1'000; ++name)
            answers.add(0x0A000009, u"evil %1"_s.arg(name));
        answers.add(0x0A000009, u"evil 0"_s);
        answers.add(0, u"alice"_s);
        answers.add(0x0A000002, u"x"_s.repeated(200));
        QCOMPARE(answers.summary(), u"1002 name(s) from 3 host(s)"_s);
        const QStringList expected{u"  this computer: 1 name(s)"_s, u"    alice"_s, u"  10.0.0.2: 1 name(s)"_s,
                                   u"    "_s + u"x"_s.repeated(99) + u'…', u"  10.0.0.9: 1000 name(s)"_s};
        QCOMPARE(answers.listing().first(5), expected);
        QCOMPARE(answers.listing().sliced(5),
                 (QStringList{u"    evil 0"_s, u"    evil 1"_s, u"    evil 2"_s, u"    evil 3"_s, u"    evil 4"_s,
                              u"    evil 5"_s, u"    evil 6"_s, u"    evil 7"_s, u"    … and 992 more"_s}));
    }
};

QTEST_MAIN(HostileTextTest)
#include "test_hostile_text.moc"
