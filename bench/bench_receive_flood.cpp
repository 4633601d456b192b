// SPDX-License-Identifier: GPL-3.0-or-later
// Floods port 54545 over loopback from a second thread for two seconds with distinct presence
// answers, as the roll call of a big LAN sends them, and reports how many datagrams per second a
// started chat window takes from its socket into its transcript, next to what a bare recvmmsg loop
// takes off the kernel in the same run, and how late a 5 ms timer on the main thread ran
// meanwhile. The flood goes to 127.0.0.1, so it never leaves the machine; run it through
// tests/netns/run-in-netns.sh (scripts/bench does) so that no other program on the port is
// disturbed. Standard output carries the diagnostics of the window while it runs, so the figures
// go to standard error.

#include "chat/ViewController.h"
#include "chat/chat_view.h"
#include "net/broadcast_socket.h"
#include "platform/qt_main_loop.h"
#include "settings/keys.h"
#include "settings/settings_store.h"
#include "support/fake_application.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace corvel;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto floodTime = 2s;
constexpr auto tickInterval = 5ms;
// The flood is over once nothing has come for this long.
constexpr auto quietTime = 300ms;

double threadCpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

sockaddr_in loopback()
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(BroadcastSocket::port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// Sends " SYSTEM  >  nameK IS ONLINE" for K = 1, 2 ... in batches, as fast as the kernel takes them,
// until floodTime is over, then runs done.
class Flooder {
public:
    explicit Flooder(std::function<void()> done)
        : m_thread([this, done = std::move(done)] {
              flood();
              done();
          })
    {
    }
    ~Flooder() { m_thread.join(); }
    Flooder(const Flooder &) = delete;
    Flooder &operator=(const Flooder &) = delete;

    std::atomic<long long> sent = 0;

private:
    void flood()
    {
        constexpr std::size_t batch = 64;
        const int out = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in destination = loopback();
        std::array<std::string, batch> texts;
        std::array<iovec, batch> pieces{};
        std::array<mmsghdr, batch> messages{};
        const auto end = Clock::now() + floodTime;
        for (long long number = 0; Clock::now() < end;) {
            for (std::size_t index = 0; index < batch; ++index) {
                texts[index] = " SYSTEM  >  name" + std::to_string(++number) + " IS ONLINE";
                pieces[index] = {texts[index].data(), texts[index].size()};
                messages[index].msg_hdr = {&destination, sizeof destination, &pieces[index], 1, nullptr, 0, 0};
            }
            const int count = ::sendmmsg(out, messages.data(), batch, 0);
            if (count > 0)
                sent += count;
            number -= static_cast<long long>(batch) - std::max(count, 0);
        }
        ::close(out);
    }

    std::thread m_thread;
};

void report(const char *name, long long sent, long long taken, double seconds, std::vector<Clock::duration> lateness)
{
    std::fprintf(stderr, "%-10s sent %8.0f/s, taken %8.0f/s (%lld of %lld, %.1f%%)", name, double(sent) / seconds,
                 double(taken) / seconds, taken, sent, 100.0 * double(taken) / double(std::max(sent, 1LL)));
    if (!lateness.empty()) {
        std::sort(lateness.begin(), lateness.end());
        const auto milliseconds = [&](double quantile) {
            const auto index = static_cast<std::size_t>(quantile * static_cast<double>(lateness.size() - 1));
            return std::chrono::duration<double, std::milli>(lateness[index]).count();
        };
        std::fprintf(stderr, "; 5 ms timer late: median %.2f ms, 99%% %.2f ms, worst %.2f ms", milliseconds(0.5),
                     milliseconds(0.99), milliseconds(1.0));
    }
    std::fprintf(stderr, "\n");
}

// The kernel's limit: one thread doing nothing but recvmmsg.
double bareLoop()
{
    const int in = ::socket(AF_INET, SOCK_DGRAM, 0);
    const int enabled = 1;
    ::setsockopt(in, SOL_SOCKET, SO_REUSEADDR, &enabled, sizeof enabled);
    const sockaddr_in any = loopback();
    if (::bind(in, reinterpret_cast<const sockaddr *>(&any), sizeof any) != 0)
        std::exit(1);
    constexpr std::size_t batch = 64;
    std::vector<char> buffers(batch * 65536);
    std::array<iovec, batch> pieces{};
    std::array<mmsghdr, batch> messages{};
    for (std::size_t index = 0; index < batch; ++index) {
        pieces[index] = {buffers.data() + index * 65536, 65536};
        messages[index].msg_hdr.msg_iov = &pieces[index];
        messages[index].msg_hdr.msg_iovlen = 1;
    }
    // recvmmsg looks at its own time-out only after a datagram; the socket's applies to the wait.
    const timeval wait{0, std::chrono::microseconds(quietTime).count()};
    ::setsockopt(in, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    long long taken = 0;
    const auto start = Clock::now();
    auto last = start;
    {
        Flooder flooder([] {});
        for (;;) {
            const int count = ::recvmmsg(in, messages.data(), batch, MSG_WAITFORONE, nullptr);
            if (count <= 0 && Clock::now() - last > quietTime)
                break;
            if (count > 0) {
                taken += count;
                last = Clock::now();
            }
        }
        report("recvmmsg", flooder.sent, taken, std::chrono::duration<double>(last - start).count(), {});
    }
    ::close(in);
    return double(taken) / std::chrono::duration<double>(last - start).count();
}

// Socket to transcript: a chat window as the program has it, on the offscreen platform.
double chatWindow()
{
    QTemporaryDir directory;
    SettingsStore settings(directory.filePath(u"Corvel.conf"_s));
    settings.setString(keys::username, u"bench"_s);
    QtMainLoop loop;
    BroadcastSocket socket;
    test::FakeApplication application;
    ChatView view;
    ViewController controller({settings, loop, socket, application, [] { return false; }}, view);
    view.show();
    controller.viewDidLoad();
    long long taken = 0;
    auto last = Clock::now();
    // After the controller's own connection: the datagram has been handled when this runs.
    QObject::connect(&socket, &DatagramSocket::received, [&] {
        ++taken;
        last = Clock::now();
    });
    if (!socket.access())
        std::exit(1);

    std::vector<Clock::duration> lateness;
    const auto start = Clock::now();
    auto lastTick = start;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        lateness.push_back(now - lastTick - tickInterval);
        lastTick = now;
    });
    ticker.start(tickInterval);
    QEventLoop events;
    QTimer quiet;
    QObject::connect(&quiet, &QTimer::timeout, [&] {
        if (Clock::now() - last > quietTime)
            events.quit();
    });
    const double cpuBefore = threadCpuSeconds();
    {
        Flooder flooder([&quiet] { QMetaObject::invokeMethod(&quiet, [&quiet] { quiet.start(quietTime); }); });
        events.exec();
        report("window", flooder.sent, taken, std::chrono::duration<double>(last - start).count(), lateness);
    }
    std::fprintf(stderr, "main thread CPU time: %.2f us a datagram\n",
                 1e6 * (threadCpuSeconds() - cpuBefore) / double(std::max(taken, 1LL)));
    return double(taken) / std::chrono::duration<double>(last - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window's diagnostics, one line per datagram, are written as in the program, but to
    // nowhere.
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::close(null);
    const double bare = bareLoop();
    const double window = chatWindow();
    std::fprintf(stderr, "socket to transcript: %.0f%% of the bare loop\n", 100.0 * window / bare);
    return 0;
}
