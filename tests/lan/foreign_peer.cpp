// A chat peer that is not Corvel: it broadcasts exactly the bytes it is given as one datagram to
// 255.255.255.255:54545, so the end-to-end tests can put on the wire what no copy ever sends, and
// it records what the copies put on the wire, byte for byte.
//
//   foreign_peer --text 'raw text'    the argument's bytes as they are
//   foreign_peer --hex ff             bytes written in hex; an empty argument sends an empty datagram
//   foreign_peer --file PATH          the file's bytes (payloads too long for an argument)
//   foreign_peer --flood COUNT --text|--hex|--file ...
//                                     the same payload COUNT times, as fast as the socket takes it
//   foreign_peer --flood COUNT --numbered PREFIX [SUFFIX]
//                                     PREFIX, then 1, 2 ... COUNT, then SUFFIX, so a receiver can
//                                     count what it lost
//   foreign_peer --flood COUNT --rate PER_SECOND ...
//                                     the same, paced at that many datagrams a second
//   foreign_peer --record FILE        until ended, appends a line per datagram received:
//                                     the sender's address, a blank, the payload in hex
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::uint16_t chatPort = 54545;

std::optional<std::string> fromHex(std::string_view hex)
{
    if (hex.size() % 2 != 0)
        return std::nullopt;
    const auto nibble = [](char digit) -> int {
        if (digit >= '0' && digit <= '9')
            return digit - '0';
        if (digit >= 'a' && digit <= 'f')
            return digit - 'a' + 10;
        if (digit >= 'A' && digit <= 'F')
            return digit - 'A' + 10;
        return -1;
    };
    std::string bytes;
    for (std::size_t index = 0; index < hex.size(); index += 2) {
        const int high = nibble(hex[index]);
        const int low = nibble(hex[index + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<char>((high << 4) | low));
    }
    return bytes;
}

std::optional<std::string> payloadFrom(std::string_view mode, std::string_view argument)
{
    if (mode == "--text")
        return std::string(argument);
    if (mode == "--hex")
        return fromHex(argument);
    if (mode == "--file") {
        std::ifstream file{std::string(argument), std::ios::binary};
        if (!file)
            return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return std::nullopt;
}

std::string toHex(const unsigned char *bytes, std::size_t size)
{
    constexpr std::string_view digits = "0123456789abcdef";
    std::string hex;
    hex.reserve(size * 2);
    for (std::size_t index = 0; index < size; ++index) {
        hex.push_back(digits[bytes[index] >> 4]);
        hex.push_back(digits[bytes[index] & 0xf]);
    }
    return hex;
}

int fail(const char *what)
{
    std::fprintf(stderr, "foreign_peer: %s: %s\n", what, std::strerror(errno));
    return 1;
}

sockaddr_in chatAddress(in_addr_t host)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(chatPort);
    address.sin_addr.s_addr = htonl(host);
    return address;
}

// The moment at which datagram NUMBER of a paced flood leaves, counted from the flood's start.
timespec dueTime(timespec start, long number, long perSecond)
{
    constexpr long nanosecondsPerSecond = 1'000'000'000;
    const long long due = static_cast<long long>(start.tv_nsec) + (number - 1) * nanosecondsPerSecond / perSecond;
    return {start.tv_sec + static_cast<time_t>(due / nanosecondsPerSecond),
            static_cast<long>(due % nanosecondsPerSecond)};
}

// Sends COUNT payloads, each numbered between payload and suffix when numbered, PER_SECOND a
// second or, when 0, as fast as the socket takes them. A full socket buffer makes sendto wait; a
// full device queue (ENOBUFS) is waited out too, so every datagram leaves this host.
int send(const std::string &payload, long count, bool numbered, const std::string &suffix, long perSecond)
{
    const int socketFd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (socketFd < 0)
        return fail("socket");
    const int enabled = 1;
    if (::setsockopt(socketFd, SOL_SOCKET, SO_BROADCAST, &enabled, sizeof enabled) != 0)
        return fail("SO_BROADCAST");
    const sockaddr_in destination = chatAddress(INADDR_BROADCAST);
    timespec start{};
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    for (long number = 1; number <= count; ++number) {
        if (perSecond > 0) {
            const timespec due = dueTime(start, number, perSecond);
            while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr) == EINTR) {
            }
        }
        std::string datagram = payload;
        if (numbered)
            datagram.append(std::to_string(number)).append(suffix);
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

// Shares the port as Corvel does, so a recorder and a copy can run on one host.
int record(const char *path)
{
    const int socketFd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (socketFd < 0)
        return fail("socket");
    const int enabled = 1;
    if (::setsockopt(socketFd, SOL_SOCKET, SO_REUSEADDR, &enabled, sizeof enabled) != 0)
        return fail("SO_REUSEADDR");
    // A flood on the wire must not push out of the buffer what the copies say meanwhile. The
    // kernel caps the size at net.core.rmem_max.
    const int bufferBytes = 8 << 20;
    if (::setsockopt(socketFd, SOL_SOCKET, SO_RCVBUF, &bufferBytes, sizeof bufferBytes) != 0)
        return fail("SO_RCVBUF");
    const sockaddr_in any = chatAddress(INADDR_ANY);
    if (::bind(socketFd, reinterpret_cast<const sockaddr *>(&any), sizeof any) != 0)
        return fail("bind");
    std::ofstream log(path, std::ios::app);
    if (!log)
        return fail(path);
    static std::array<unsigned char, 65536> buffer;
    for (;;) {
        sockaddr_in sender{};
        socklen_t senderSize = sizeof sender;
        const ssize_t size =
            ::recvfrom(socketFd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr *>(&sender), &senderSize);
        if (size < 0) {
            if (errno == EINTR)
                continue;
            return fail("recvfrom");
        }
        std::array<char, INET_ADDRSTRLEN> senderText{};
        ::inet_ntop(AF_INET, &sender.sin_addr, senderText.data(), senderText.size());
        log << senderText.data() << ' ' << toHex(buffer.data(), static_cast<std::size_t>(size)) << '\n' << std::flush;
    }
}

} // namespace

int usage()
{
    std::fprintf(stderr,
                 "usage: foreign_peer [--flood COUNT [--rate PER_SECOND]] --text TEXT | --hex HEXBYTES | --file PATH\n"
                 "       foreign_peer --flood COUNT [--rate PER_SECOND] --numbered PREFIX [SUFFIX]\n"
                 "       foreign_peer --record FILE\n");
    return 2;
}

int main(int argc, char *argv[])
{
    if (argc == 3 && std::string_view(argv[1]) == "--record")
        return record(argv[2]);
    const auto positive = [](const char *text) {
        char *end = nullptr;
        const long value = std::strtol(text, &end, 10);
        return *end == '\0' && value > 0 ? value : 0;
    };
    long count = 1;
    long perSecond = 0;
    int first = 1;
    if (argc >= 5 && std::string_view(argv[1]) == "--flood") {
        count = positive(argv[2]);
        first = 3;
        if (argc >= 7 && std::string_view(argv[3]) == "--rate") {
            perSecond = positive(argv[4]);
            first = 5;
            if (perSecond == 0)
                return usage();
        }
        if (count == 0)
            return usage();
    }
    if (argc - first < 2)
        return usage();
    const std::string_view mode = argv[first];
    const bool numbered = mode == "--numbered" && first > 1;
    // Only a numbered flood may end in a suffix.
    if (argc - first > (numbered ? 3 : 2))
        return usage();
    const std::optional<std::string> payload =
        numbered ? std::optional<std::string>(argv[first + 1]) : payloadFrom(mode, argv[first + 1]);
    if (!payload)
        return usage();
    return send(*payload, count, numbered, argc - first == 3 ? argv[first + 2] : "", perSecond);
}
