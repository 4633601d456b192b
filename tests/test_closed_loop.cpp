// Everything a copy sends, fed back to every copy on the network, may set off nothing but the one
// answer per copy that a presence request asks for. User names and texts that hold the tags must
// not turn answers into requests, or the copies would answer each other forever.
#include "settings/keys.h"
#include "support/chat_copy.h"
#include "support/trace_capture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

class ClosedLoopTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextSetsOffAtMostOneAnswerPerCopy()
    {
        const TraceCapture quiet;
        struct Row {
            const char *name;
            std::function<void(ChatCopy &)> act;
            int sent;
            int requests;               // texts among them that ask for answers
            int requestsWhenNameTagged; // the same when the sender's name holds the presence tag
        };
        const QList<Row> rows = {
            {"chat line", [](ChatCopy &sender) { sender.send(u"hello"_s); }, 1, 0, 1},
            {"start-up query", [](ChatCopy &sender) { sender.send(u"<online?>"_s); }, 1, 1, 1},
            {"flash command", [](ChatCopy &sender) { sender.send(u"<flash>"_s); }, 1, 0, 1},
            {"clear command", [](ChatCopy &sender) { sender.send(u"<clear>"_s); }, 1, 0, 1},
            // The announcement, the notice and the query line.
            {"presence query", [](ChatCopy &sender) { sender.click("cmdOnline"); }, 3, 1, 2},
            {"call", [](ChatCopy &sender) { sender.click("cmdCall"); }, 1, 0, 0},
            {"acknowledgement",
             [](ChatCopy &sender) {
                 sender.socket.receive("<flash>");
                 sender.click("cmdClear");
             },
             1, 0, 1},
            {"preset",
             [](ChatCopy &sender) {
                 sender.settings.setString(keys::presets[0], u"<flash> lunch?"_s);
                 sender.click("preset1");
             },
             1, 0, 1},
            {"ok reply",
             [](ChatCopy &sender) {
                 sender.settings.setBool(keys::hide, true);
                 sender.settings.setString(keys::okPreset, u"ok <clear>"_s);
                 sender.click("cmdSend");
             },
             1, 0, 1},
        };
        // A sender and four receivers whose names hold every tag, so that their own answers carry them.
        for (const QString &senderName : {u"ann"_s, u"<online?>"_s, u"<flash>"_s, u"<clear>"_s}) {
            const QStringList names = {senderName, u"bob"_s, u"<online?>"_s, u"<flash>"_s, u"<clear>"_s};
            for (const Row &row : rows) {
                Lan lan({u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s});
                // Names are read at every use, so the copies take theirs only now, past a quiet start.
                for (std::size_t index = 0; index < lan.copies.size(); ++index)
                    lan[index].settings.setString(keys::username, names.at(qsizetype(index)));
                row.act(lan[0]);
                // Far past every delay: an answer that asks for answers would keep the network busy.
                lan.after(30);
                const auto answers =
                    (senderName.contains(u"<online?>") ? row.requestsWhenNameTagged : row.requests) * names.size();
                QVERIFY2(lan.network.traffic.size() == row.sent + answers &&
                             lan.network.traffic.filter(u" IS ONLINE"_s).size() == answers,
                         qPrintable(u"%1, sender %2: %3"_s.arg(QString::fromLatin1(row.name), senderName,
                                                               lan.network.traffic.join(u'|'))));
            }
        }
    }
};

QTEST_MAIN(ClosedLoopTest)
#include "test_closed_loop.moc"
