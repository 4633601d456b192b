// SPDX-License-Identifier: GPL-3.0-or-later
// A foreign peer that floods the LAN for bench/lan_load.sh: COUNT datagrams of one text,
// broadcast to 255.255.255.255:54545, each with its number (1, 2 ... COUNT) in place of "{}" so
// that a receiver can count what it lost.
//
//   flood_peer COUNT PER_SECOND TEXT     PER_SECOND 0: as fast as the socket takes them
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

namespace {

constexpr std::uint16_t chatPort = 54545;

int fail(const char *what)
{
    std::fprintf(stderr, "flood_peer: %s: %s\n", what, std::strerror(errno));
    return 1;
}

// The moment at which datagram NUMBER of a paced flood leaves, counted from the flood's start.
timespec dueTime(timespec start, long number, long perSecond)
{
    constexpr long nanosecondsPerSecond = 1'000'000'000;
    const long long due = static_cast<long long>(start.tv_nsec) + (number - 1) * nanosecondsPerSecond / perSecond;
    return {start.tv_sec + static_cast<time_t>(due / nanosecondsPerSecond),
            static_cast<long>(due % nanosecondsPerSecond)};
}

std::string numbered(std::string_view text, long number)
{
    const std::size_t mark = text.find("{}");
    if (mark == std::string_view::npos)
        return std::string(text);
    return std::string(text.substr(0, mark)).append(std::to_string(number)).append(text.substr(mark + 2));
}

} // namespace

int main(int argc, char *argv[])
{
    const long count = argc == 4 ? std::strtol(argv[1], nullptr, 10) : 0;
    const long perSecond = argc == 4 ? std::strtol(argv[2], nullptr, 10) : -1;
    if (count <= 0 || perSecond < 0) {
        std::fprintf(stderr, "usage: flood_peer COUNT PER_SECOND TEXT\n");
        return 2;
    }
    const int socketFd = ::socket(AF_INET, SOCK_DGRAM, 0);
    const int enabled = 1;
    if (socketFd < 0 || ::setsockopt(socketFd, SOL_SOCKET, SO_BROADCAST, &enabled, sizeof enabled) != 0)
        return fail("socket");
    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    destination.sin_port = htons(chatPort);
    destination.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    timespec start{};
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    for (long number = 1; number <= count; ++number) {
        if (perSecond > 0) {
            const timespec due = dueTime(start, number, perSecond);
            while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr) == EINTR) {
            }
        }
        const std::string datagram = numbered(argv[3], number);
        // A full device queue (ENOBUFS) is waited out, so every datagram leaves this host.
        ssize_t sent = 0;
        do
            sent = ::sendto(socketFd, datagram.data(), datagram.size(), 0,
                            reinterpret_cast<const sockaddr *>(&destination), sizeof destination);
        while (sent < 0 && (errno == ENOBUFS || errno == EINTR));
        if (sent < 0 || static_cast<std::size_t>(sent) != datagram.size())
            return fail("sendto");
    }
    ::close(socketFd);
    return 0;
}
