// SPDX-License-Identifier: GPL-3.0-or-later
// A room boots at once: COPIES copies (200 unless given) start within one second on a simulated LAN
// on virtual time, each sending its start-up presence query. Prints how many presence answers each
// copy sent and how many of the copies' answers reached every other copy, which must be all of them.
// Exits with 1 when an answer went missing or a copy answered more often than it was asked.

#include "platform/trace.h"
#include "support/chat_copy.h"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns once for every window shown.
    qputenv("QT_LOGGING_RULES", "default.warning=false");
    QApplication app(argc, argv);
    const int copies = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    setTraceSink([](QStringView) {});

    ManualMainLoop loop;
    FakeNetwork network(loop, Seconds(0.001));
    std::vector<std::unique_ptr<ChatCopy>> room;
    room.reserve(std::size_t(copies));
    for (int index = 0; index < copies; ++index)
        room.push_back(std::make_unique<ChatCopy>(network, loop, u"copy%1"_s.arg(index)));
    const Seconds spacing(1.0 / copies);
    for (const auto &copy : room) {
        copy->start();
        loop.advance(spacing);
    }
    loop.advance(Seconds(10));

    const qsizetype answers = network.traffic.filter(u" IS ONLINE"_s).size();
    qsizetype heard = 0;
    for (const auto &listener : room) {
        const QString transcript = listener->transcript();
        for (const auto &speaker : room) {
            const QString answer = u" SYSTEM  >  "_s % speaker->settings.userName() % u" IS ONLINE"_s;
            if (speaker != listener && transcript.contains(answer))
                ++heard;
        }
    }
    const qsizetype pairs = qsizetype(copies) * (copies - 1);
    std::printf("%d copies, %d queries: %lld answers on the wire, %.1f per copy, %.3f per copy and query; "
                "answers heard %lld of %lld (%.1f%%)\n",
                copies, copies, static_cast<long long>(answers), double(answers) / copies,
                double(answers) / copies / copies, static_cast<long long>(heard), static_cast<long long>(pairs),
                100.0 * double(heard) / double(pairs));
    return heard == pairs && answers <= qsizetype(copies) * copies ? 0 : 1;
}
