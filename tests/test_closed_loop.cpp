// Everything a copy sends, fed back to every copy on the network, may set off nothing but the one
// answer per copy that a presence request asks for. User names and texts that hold the tags must
// not turn answers into requests, or the copies would answer each other forever.
#include "settings/keys.h"
#include "support/chat_copy.h"
#include "support/trace_capture.h"

#include <QLineEdit>
#include <QTest>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

namespace {

enum class Action { Message, PresenceQuery, Call, Acknowledgement, Preset, OkReply };

// A sender and four receivers whose names hold every tag, so that their own answers carry them.
struct Lan {
    explicit Lan(const QString &senderName)
    {
        const QStringList names = {senderName, u"bob"_s, u"<online?>"_s, u"<flash>"_s, u"<clear>"_s};
        for (qsizetype index = 0; index < names.size(); ++index)
            copies.push_back(std::make_unique<ChatCopy>(network, loop, u"copy%1"_s.arg(index)));
        for (const auto &copy : copies)
            copy->start();
        loop.advance(Seconds(1));
        network.traffic.clear();
        // Names are read at every use, so the copies take theirs only now, past a quiet start.
        for (qsizetype index = 0; index < names.size(); ++index)
            copies[std::size_t(index)]->settings.setString(keys::username, names[index]);
    }
    ChatCopy &sender() { return *copies.front(); }

    ManualMainLoop loop;
    FakeNetwork network{loop};
    std::vector<std::unique_ptr<ChatCopy>> copies;
};

void act(ChatCopy &sender, FakeNetwork &network, ManualMainLoop &loop, Action action, const QString &text)
{
    switch (action) {
    case Action::Message:
        sender.outlet("txtMsg")->setText(text);
        sender.click("cmdSend");
        break;
    case Action::PresenceQuery:
        sender.click("cmdOnline");
        break;
    case Action::Call:
        sender.click("cmdCall");
        break;
    case Action::Acknowledgement:
        network.inject(u"<flash>"_s.toUtf8());
        loop.advance(Seconds(0.05));
        sender.controller->mouseDown();
        break;
    case Action::Preset:
        sender.settings.setString(keys::presets[0], text);
        sender.click("preset1");
        break;
    case Action::OkReply:
        sender.settings.setBool(keys::hide, true);
        sender.settings.setString(keys::okPreset, text);
        sender.click("cmdSend");
        break;
    }
}

} // namespace

class ClosedLoopTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextSetsOffAtMostOneAnswerPerCopy_data();
    void everyTextSetsOffAtMostOneAnswerPerCopy();

private:
    TraceCapture m_quiet;
};

void ClosedLoopTest::everyTextSetsOffAtMostOneAnswerPerCopy_data()
{
    QTest::addColumn<QString>("senderName");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("sent");
    QTest::addColumn<int>("requests");

    struct Row {
        const char *name;
        Action action;
        QString text;
        int sent;
        int requests;               // texts among them that ask for answers
        int requestsWhenNameTagged; // the same when the sender's name holds the presence tag
    };
    const std::vector<Row> rows = {
        {"chat line", Action::Message, u"hello"_s, 1, 0, 1},
        {"start-up query", Action::Message, u"<online?>"_s, 1, 1, 1},
        {"flash command", Action::Message, u"<flash>"_s, 1, 0, 1},
        {"clear command", Action::Message, u"<clear>"_s, 1, 0, 1},
        // The announcement, the notice and the query line.
        {"presence query", Action::PresenceQuery, {}, 3, 1, 2},
        {"call", Action::Call, {}, 1, 0, 0},
        {"acknowledgement", Action::Acknowledgement, {}, 1, 0, 1},
        {"preset", Action::Preset, u"<flash> lunch?"_s, 1, 0, 1},
        {"ok reply", Action::OkReply, u"ok <clear>"_s, 1, 0, 1},
    };
    for (const QString &name : {u"ann"_s, u"<online?>"_s, u"<flash>"_s, u"<clear>"_s}) {
        const bool tagged = name.contains(u"<online?>"_s);
        for (const Row &row : rows)
            QTest::addRow("%s, sender %s", row.name, qPrintable(name))
                << name << row.action << row.text << row.sent << (tagged ? row.requestsWhenNameTagged : row.requests);
    }
}

void ClosedLoopTest::everyTextSetsOffAtMostOneAnswerPerCopy()
{
    QFETCH(QString, senderName);
    QFETCH(Action, action);
    QFETCH(QString, text);
    QFETCH(int, sent);
    QFETCH(int, requests);

    Lan lan(senderName);
    act(lan.sender(), lan.network, lan.loop, action, text);
    // Far past every delay: an answer that asks for answers would keep the network busy throughout.
    lan.loop.advance(Seconds(30));
    const auto answers = qsizetype(requests) * qsizetype(lan.copies.size());
    QCOMPARE(lan.network.traffic.size(), sent + answers);
    QCOMPARE(lan.network.traffic.filter(u" IS ONLINE"_s).size(), answers);
}

QTEST_MAIN(ClosedLoopTest)
#include "test_closed_loop.moc"
