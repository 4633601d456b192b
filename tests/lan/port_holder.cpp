// Another program on the host that takes the chat port for itself: it binds UDP 0.0.0.0:54545
// without letting anybody share it, and holds it until it is ended.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

int main()
{
    constexpr std::uint16_t chatPort = 54545;
    const int socketFd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in any{};
    any.sin_family = AF_INET;
    any.sin_port = htons(chatPort);
    any.sin_addr.s_addr = htonl(INADDR_ANY);
    if (socketFd < 0 || ::bind(socketFd, reinterpret_cast<const sockaddr *>(&any), sizeof any) != 0) {
        std::fprintf(stderr, "port_holder: %s\n", std::strerror(errno));
        return 1;
    }
    for (;;)
        ::pause();
}
