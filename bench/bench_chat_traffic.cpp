// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds received datagrams through the chat window's dispatcher into a real transcript
// (offscreen) and prints what it costs: chat lines alone, full-size lines, then the mixed traffic
// of a busy network.
#include "net/datagram_socket.h"
#include "net/duplicate_window.h"
#include "net/wire.h"
#include "platform/trace.h"
#include "support/chat_copy.h"

#include <QApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

namespace {

constexpr int datagramsPerPass = 256;

// The main thread's own CPU time: other processes on a busy machine do not count against a pass.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// ann, started and past her start-up traffic, receiving what the network brings.
struct Receiver {
    Receiver()
    {
        copy.start();
        loop.advance(Seconds(1));
    }
    ManualMainLoop loop;
    FakeNetwork network{loop};
    ChatCopy copy{network, loop, u"ann"_s};
};

// Hands the payloads to the copy in passes of the main loop, as the socket does, and returns
// the CPU time of every pass in seconds.
std::vector<double> feed(Receiver &receiver, const std::vector<QByteArray> &payloads,
                         std::size_t perPass = datagramsPerPass)
{
    ChatCopy &copy = receiver.copy;
    ManualMainLoop &loop = receiver.loop;
    std::vector<double> passes;
    for (std::size_t next = 0; next < payloads.size();) {
        const double start = threadSeconds();
        const std::size_t end = std::min(payloads.size(), next + perPass);
        for (; next < end; ++next)
            copy.controller->receive({payloads[next], test::foreignPeer, loop.now()});
        loop.advance(Seconds(double(perPass) / 20'000)); // the pace of a busy network
        QCoreApplication::processEvents();
        passes.push_back(threadSeconds() - start);
    }
    return passes;
}

// The resident memory of this process, in MB.
long rssMegabytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong() / 1024;
    }
    return -1;
}

double sum(const std::vector<double> &values, std::size_t from, std::size_t to)
{
    double total = 0;
    for (std::size_t index = from; index < to; ++index)
        total += values[index];
    return total;
}

void chatLines(int count)
{
    Receiver receiver;
    std::vector<QByteArray> payloads;
    payloads.reserve(std::size_t(count));
    for (int line = 0; line < count; ++line)
        payloads.push_back(
            wire::chatLine(u"bob", u"line %1 of the benchmark, about as long as a chat line"_s.arg(line)).toUtf8());
    const std::vector<double> passes = feed(receiver, payloads);
    const double total = sum(passes, 0, passes.size());
    std::printf("chat lines %7d: %9.0f lines/s", count, count / total);
    // Cost per line near the start and near the end (4 passes, 1,024 lines each).
    if (passes.size() >= 8) {
        const double lines = 4.0 * datagramsPerPass;
        std::printf(", %.1f us a line at the start, %.1f us at the end", sum(passes, 0, 4) / lines * 1e6,
                    sum(passes, passes.size() - 4, passes.size()) / lines * 1e6);
    }
    // The duplicate check alone, which the lines above include, at the pace of a busy network.
    DuplicateWindow window(Seconds(0.5));
    const double start = threadSeconds();
    for (std::size_t line = 0; line < payloads.size(); ++line)
        (void)window.isRepeat(payloads[line], test::foreignPeer, Seconds(double(line) / 20'000));
    std::printf(", of which %.2f us the duplicate check\n", (threadSeconds() - start) / count * 1e6);
}

// Lines that fill a whole datagram, of ordinary words or of one unbroken word, a few per pass.
void fullSizeLines(int count, const QString &word)
{
    constexpr std::size_t linesPerPass = 8;
    Receiver receiver;
    const qsizetype room = maxDatagramPayload - wire::chatLine(u"bob", u"").size(); // ASCII: a byte a character
    QString message;
    while (message.size() + word.size() + 1 <= room)
        message += word % u' ';
    const QByteArray payload = wire::chatLine(u"bob", message).toUtf8();
    const std::vector<double> passes =
        feed(receiver, std::vector<QByteArray>(std::size_t(count), payload), linesPerPass);
    std::printf("full-size lines %5d (%lld bytes, words of %lld): %.2f ms a line, %.2f ms at the end; "
                "%lld characters kept, RSS %ld MB",
                count, static_cast<long long>(payload.size()), static_cast<long long>(word.size()),
                sum(passes, 0, passes.size()) / count * 1e3, passes.back() / linesPerPass * 1e3,
                static_cast<long long>(receiver.copy.controller->transcript().characters()), rssMegabytes());
    feed(receiver, {wire::chatLine(u"bob", wire::clearTag).toUtf8()});
    std::printf(", %ld MB after a clear\n", rssMegabytes());
}

void mixedTraffic(int count)
{
    Receiver receiver;
    const std::vector<QByteArray> mix = {
        wire::chatLine(u"bob", u"anyone for lunch at noon?").toUtf8(),
        wire::chatLine(u"cid", u"on my way").toUtf8(),
        wire::chatLine(u"dan", u"the build is green again").toUtf8(),
        wire::chatLine(u"eve", u"<flash> look at the board").toUtf8(),
        wire::presenceQueryLine.toUtf8(),
        wire::presenceAnswer(u"bob").toUtf8(),
        wire::queryAnnouncement(u"cid").toUtf8(),
        wire::presenceNotice.toUtf8(),
        wire::callText.toUtf8(),
        wire::callAcknowledgement(u"dan").toUtf8(),
    };
    std::vector<QByteArray> payloads;
    payloads.reserve(std::size_t(count));
    for (int datagram = 0; datagram < count; ++datagram)
        // Numbered, or all but the first of each kind would count as twins.
        payloads.push_back(mix[std::size_t(datagram) % mix.size()] + QByteArray::number(datagram));
    const std::vector<double> passes = feed(receiver, payloads);
    const double total = sum(passes, 0, passes.size());
    std::printf("mixed traffic %7d: %9.0f datagrams/s, longest pass %.1f ms, answers sent %lld\n", count, count / total,
                *std::max_element(passes.begin(), passes.end()) * 1e3,
                static_cast<long long>(receiver.copy.socket.sent.size()));

    receiver.copy.controller->mouseDown(); // the user acts: flashing ends
    receiver.loop.advance(Seconds(5));
    std::printf("when idle afterwards: %zu repeating timers, %zu pending tasks\n", receiver.loop.repeatingTimers(),
                receiver.loop.pendingTasks());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The diagnostics still cost their encoding, but go nowhere.
    setTraceSink([](QStringView line) { (void)line.toUtf8(); });
    // A count on the command line runs one size of each, for profiling.
    const int only = argc > 1 ? QByteArray(argv[1]).toInt() : 0;
    for (const int count : {1'000, 10'000, 100'000}) {
        if (only == 0 || only == count)
            chatLines(count);
    }
    // More characters in all than a text document can count (2^31), which once crashed the program.
    constexpr int fullSizeCount = 34'000;
    for (const QString &word : {u"word"_s, u"x"_s.repeated(65'000)}) {
        if (only == 0 || only == fullSizeCount)
            fullSizeLines(fullSizeCount, word);
    }
    mixedTraffic(only == 0 ? 100'000 : only);
    return 0;
}
