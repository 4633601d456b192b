// Floods port 54545 from a second thread for two seconds and reports how many datagrams the main
// thread handled and how late a 5 ms timer on the main thread ran meanwhile: the bounded passes of
// BroadcastSocket against a naive drain of everything pending. The flood goes to 127.0.0.1, so it
// never leaves the machine; run it through tests/netns/run-in-netns.sh so that no other program on
// the port is disturbed.

#include "net/broadcast_socket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

using namespace corvel;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto floodTime = 2s;
constexpr auto tickInterval = 5ms;

// Stands in for the dispatcher and the transcript: each datagram costs this much main-thread time.
void work(std::chrono::microseconds cost)
{
    const auto start = Clock::now();
    while (Clock::now() - start < cost) {
    }
}

// Receives through one of the two readers under test; the argument counts each handled datagram.
using Reader = std::function<void(const std::function<void()> &handled)>;

void measure(const char *name, std::chrono::microseconds cost, const Reader &reader)
{
    QEventLoop loop;
    qint64 handled = 0;
    reader([&] {
        ++handled;
        work(cost);
    });

    const auto start = Clock::now();
    auto lastTick = start;
    std::vector<Clock::duration> lateness;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        lateness.push_back(now - lastTick - tickInterval);
        lastTick = now;
    });
    ticker.start(tickInterval);

    std::atomic<qint64> sent = 0;
    std::thread flooder([&] {
        QUdpSocket out;
        const QByteArray payload(40, 'x');
        const QDeadlineTimer end(floodTime);
        while (!end.hasExpired()) {
            if (out.writeDatagram(payload, QHostAddress::LocalHost, BroadcastSocket::port) == payload.size())
                ++sent;
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    flooder.join();

    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::sort(lateness.begin(), lateness.end());
    const auto milliseconds = [&](double quantile) {
        const auto index = static_cast<std::size_t>(quantile * static_cast<double>(lateness.size() - 1));
        return std::chrono::duration<double, std::milli>(lateness[index]).count();
    };
    std::printf("%-7s handler %2lld us: sent %7.0f/s, handled %7.0f/s, timer ticks %4zu, lateness median %6.2f ms, "
                "99%% %7.2f ms, worst %7.2f ms\n",
                name, static_cast<long long>(cost.count()), static_cast<double>(sent) / seconds,
                static_cast<double>(handled) / seconds, lateness.size(), milliseconds(0.5), milliseconds(0.99),
                milliseconds(1.0));
    std::fflush(stdout);
}

void batched(std::chrono::microseconds cost)
{
    BroadcastSocket socket;
    measure("batched", cost, [&](const std::function<void()> &handled) {
        socket.setReceiveHandler([handled](QByteArrayView) { handled(); });
        if (!socket.access())
            std::exit(1);
    });
}

void naive(std::chrono::microseconds cost)
{
    QUdpSocket socket;
    measure("naive", cost, [&](const std::function<void()> &handled) {
        if (!socket.bind(QHostAddress::AnyIPv4, BroadcastSocket::port, QAbstractSocket::ShareAddress))
            std::exit(1);
        QObject::connect(&socket, &QUdpSocket::readyRead, [&socket, handled] {
            while (socket.hasPendingDatagrams()) {
                socket.receiveDatagram();
                handled();
            }
        });
    });
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    for (const auto cost : {0us, 20us}) {
        batched(cost);
        naive(cost);
    }
    return 0;
}
