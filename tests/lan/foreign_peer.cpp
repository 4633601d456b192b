// A chat peer that is not Corvel: it broadcasts exactly the bytes it is given as one datagram to
// 255.255.255.255:54545, so the end-to-end tests can put on the wire what no copy ever sends.
//
//   foreign_peer --text 'raw text'    the argument's bytes as they are
//   foreign_peer --hex ff             bytes written in hex; an empty argument sends an empty datagram
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
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
    return std::nullopt;
}

int fail(const char *what)
{
    std::fprintf(stderr, "foreign_peer: %s: %s\n", what, std::strerror(errno));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<std::string> payload = argc == 3 ? payloadFrom(argv[1], argv[2]) : std::nullopt;
    if (!payload) {
        std::fprintf(stderr, "usage: foreign_peer --text TEXT | --hex HEXBYTES\n");
        return 2;
    }

    const int socketFd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (socketFd < 0)
        return fail("socket");
    const int enabled = 1;
    if (::setsockopt(socketFd, SOL_SOCKET, SO_BROADCAST, &enabled, sizeof enabled) != 0)
        return fail("SO_BROADCAST");

    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    destination.sin_port = htons(chatPort);
    destination.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    const ssize_t sent = ::sendto(socketFd, payload->data(), payload->size(), 0,
                                  reinterpret_cast<const sockaddr *>(&destination), sizeof destination);
    if (sent < 0 || static_cast<std::size_t>(sent) != payload->size())
        return fail("sendto");
    ::close(socketFd);
    return 0;
}
