// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/socket_drain.h"

#include "platform/trace.h"

#include <QFile>
#include <QUdpSocket>

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <linux/sock_diag.h>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

constexpr int datagramsPerRead = 64;
// Every IPv4 datagram fits, so no read truncates.
constexpr std::size_t largestDatagram = 65536;

// Room for the control messages asked for: the kernel's receive time, its count of datagrams it
// dropped, and the address each datagram was sent to.
struct alignas(cmsghdr) ControlRoom
    : std::array<char,
                 CMSG_SPACE(sizeof(timespec)) + CMSG_SPACE(sizeof(std::uint32_t)) + CMSG_SPACE(sizeof(in_pktinfo))> {};

// The kernel stamps datagrams on the system clock, which may be set; the main loop runs on the
// monotonic one. The difference is read at each take, and no stamp lies in the future.
Seconds onSteadyClock(const timespec &received, Seconds takenAt)
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const auto age =
        std::chrono::seconds(now.tv_sec - received.tv_sec) + std::chrono::nanoseconds(now.tv_nsec - received.tv_nsec);
    return takenAt - std::max(Seconds(age), Seconds(0));
}

// The kernel's buffer bridges the moments in which the reader thread is not running, so it gets
// as large as a program without privileges may ask for.
void enlargeReceiveBuffer(int descriptor)
{
    QFile limit(u"/proc/sys/net/core/rmem_max"_s);
    if (!limit.open(QIODevice::ReadOnly))
        return;
    const int wanted = limit.readAll().trimmed().toInt();
    int current = 0;
    socklen_t size = sizeof current;
    // The kernel reports twice the size it was asked for.
    if (::getsockopt(descriptor, SOL_SOCKET, SO_RCVBUF, &current, &size) == 0 && wanted > current / 2)
        ::setsockopt(descriptor, SOL_SOCKET, SO_RCVBUF, &wanted, sizeof wanted);
}

// The kernel's running count of the datagrams it dropped for want of room, as of now; a datagram
// brings it along only when it was queued after the drops, which a full buffer's are not.
std::optional<std::uint32_t> droppedSoFar(int descriptor)
{
    std::array<std::uint32_t, SK_MEMINFO_VARS> memory{};
    socklen_t size = sizeof memory;
    if (::getsockopt(descriptor, SOL_SOCKET, SO_MEMINFO, memory.data(), &size) != 0 ||
        size < (SK_MEMINFO_DROPS + 1) * sizeof memory[0])
        return std::nullopt;
    return memory[SK_MEMINFO_DROPS];
}

} // namespace

// recvmmsg takes up to 64 datagrams a call, with the kernel's receive time and drop count; the
// thread sleeps in poll, and an eventfd wakes it to end.
class SocketDrain::Thread {
public:
    Thread(int descriptor, Deliver deliver)
        : m_descriptor(descriptor), m_stop(::eventfd(0, EFD_CLOEXEC)), m_deliver(std::move(deliver))
    {
        enlargeReceiveBuffer(m_descriptor);
        const int on = 1;
        ::setsockopt(m_descriptor, SOL_SOCKET, SO_RXQ_OVFL, &on, sizeof on);
        // A copy that was stopped (SIGSTOP) takes what came meanwhile all at once: only the kernel
        // knows when each arrived.
        ::setsockopt(m_descriptor, SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on);
        // Only a datagram sent to this host's own address, not to a broadcast one, teaches a sender.
        ::setsockopt(m_descriptor, IPPROTO_IP, IP_PKTINFO, &on, sizeof on);
        if (m_stop < 0) {
            trace(u">>> Error while initializing socket: no event descriptor to stop the reader with"_s);
            return;
        }
        m_thread = std::thread([this] { readUntilStopped(); });
    }

    ~Thread()
    {
        if (m_thread.joinable()) {
            const std::uint64_t stop = 1;
            (void)::write(m_stop, &stop, sizeof stop);
            m_thread.join();
        }
        if (m_stop >= 0)
            ::close(m_stop);
    }

    Thread(const Thread &) = delete;
    Thread &operator=(const Thread &) = delete;

private:
    void readUntilStopped();

    int m_descriptor;
    int m_stop;
    Deliver m_deliver;
    std::thread m_thread;
};

void SocketDrain::Thread::readUntilStopped()
{
    // Left as the allocator hands them over, not zero-filled: only the kernel writes them, and only
    // as far as a datagram reaches, so pages that no datagram needs never take memory.
    const auto buffers = std::make_unique_for_overwrite<std::array<char, datagramsPerRead * largestDatagram>>();
    std::array<iovec, datagramsPerRead> pieces{};
    std::array<sockaddr_in, datagramsPerRead> senders{};
    std::array<ControlRoom, datagramsPerRead> controls{};
    std::array<mmsghdr, datagramsPerRead> messages{};
    for (std::size_t index = 0; index < messages.size(); ++index)
        pieces[index] = {buffers->data() + index * largestDatagram, largestDatagram};
    std::array<pollfd, 2> waits = {pollfd{m_descriptor, POLLIN, 0}, pollfd{m_stop, POLLIN, 0}};
    std::vector<Datagram> datagrams;
    datagrams.reserve(datagramsPerRead);
    std::uint32_t kernelDrops = 0;
    for (;;) {
        // The kernel shortens the lengths to what it wrote, so each read sets them again.
        for (std::size_t index = 0; index < messages.size(); ++index) {
            messages[index].msg_hdr = {.msg_name = &senders[index],
                                       .msg_namelen = sizeof senders[index],
                                       .msg_iov = &pieces[index],
                                       .msg_iovlen = 1,
                                       .msg_control = controls[index].data(),
                                       .msg_controllen = controls[index].size(),
                                       .msg_flags = 0};
        }
        const int received = ::recvmmsg(m_descriptor, messages.data(), datagramsPerRead, MSG_DONTWAIT, nullptr);
        if (received > 0) {
            const Seconds takenAt = steadyNow();
            datagrams.clear();
            for (std::size_t index = 0; index < std::size_t(received); ++index) {
                msghdr &header = messages[index].msg_hdr;
                Seconds arrived = takenAt;
                in_pktinfo sentTo{};
                for (cmsghdr *control = CMSG_FIRSTHDR(&header); control != nullptr;
                     control = CMSG_NXTHDR(&header, control)) {
                    if (control->cmsg_level == IPPROTO_IP && control->cmsg_type == IP_PKTINFO)
                        std::memcpy(&sentTo, CMSG_DATA(control), sizeof sentTo);
                    if (control->cmsg_level != SOL_SOCKET)
                        continue;
                    if (control->cmsg_type == SO_RXQ_OVFL)
                        std::memcpy(&kernelDrops, CMSG_DATA(control), sizeof kernelDrops);
                    if (control->cmsg_type == SCM_TIMESTAMPNS) {
                        timespec stamp{};
                        std::memcpy(&stamp, CMSG_DATA(control), sizeof stamp);
                        arrived = onSteadyClock(stamp, takenAt);
                    }
                }
                datagrams.push_back(
                    {QByteArrayView(buffers->data() + index * largestDatagram, qsizetype(messages[index].msg_len)),
                     ntohl(senders[index].sin_addr.s_addr), arrived, ntohl(sentTo.ipi_addr.s_addr)});
            }
            m_deliver(datagrams, kernelDrops);
            continue;
        }
        if (received < 0 && (errno == EBADF || errno == ENOTSOCK))
            return;
        // Nothing left (or an error that the read has now cleared): sleep until more comes.
        if (received < 0 && errno == EINTR)
            continue;
        // What the kernel dropped while the backlog waited is told now, not with a later datagram.
        if (const auto drops = droppedSoFar(m_descriptor); drops && *drops != kernelDrops) {
            kernelDrops = *drops;
            datagrams.clear();
            m_deliver(datagrams, kernelDrops);
        }
        if (::poll(waits.data(), waits.size(), -1) < 0 && errno != EINTR)
            return;
        if (waits[1].revents != 0 || (waits[0].revents & POLLNVAL) != 0)
            return;
    }
}

SocketDrain::SocketDrain(QUdpSocket &socket, Deliver deliver)
    : m_thread(std::make_unique<Thread>(int(socket.socketDescriptor()), std::move(deliver)))
{
}

SocketDrain::~SocketDrain() = default;

} // namespace corvel
