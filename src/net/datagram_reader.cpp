#include "net/datagram_reader.h"

#include "platform/trace.h"

#include <QDeadlineTimer>
#include <QFile>

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

constexpr int datagramsPerRead = 64;
// Every IPv4 datagram fits, so no read truncates.
constexpr std::size_t largestDatagram = 65536;
// A chunk of the queue is full at either size.
constexpr qsizetype chunkDatagrams = 256;
constexpr qsizetype chunkBytes = qsizetype(256) << 10;
constexpr std::chrono::seconds dropReportInterval{1};

// Room for the control messages asked for: the kernel's receive time, and its count of datagrams
// it dropped.
struct alignas(cmsghdr) ControlRoom
    : std::array<char, CMSG_SPACE(sizeof(timespec)) + CMSG_SPACE(sizeof(std::uint32_t))> {};

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

} // namespace

DatagramReader::DatagramReader(int descriptor, Handler handler, std::chrono::nanoseconds passTime)
    : m_descriptor(descriptor), m_stop(::eventfd(0, EFD_CLOEXEC)), m_handler(std::move(handler)), m_passTime(passTime)
{
    m_dropReport.setSingleShot(true);
    m_dropReport.setInterval(dropReportInterval);
    connect(&m_dropReport, &QTimer::timeout, this, &DatagramReader::reportDrops);
    enlargeReceiveBuffer(m_descriptor);
    const int on = 1;
    ::setsockopt(m_descriptor, SOL_SOCKET, SO_RXQ_OVFL, &on, sizeof on);
    // A copy that was stopped (SIGSTOP) takes what came meanwhile all at once: only the kernel
    // knows when each arrived.
    ::setsockopt(m_descriptor, SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on);
    if (m_stop < 0) {
        trace(u">>> Error while initializing socket: no event descriptor to stop the reader with"_s);
        return;
    }
    m_thread = std::thread([this] { readUntilStopped(); });
}

DatagramReader::~DatagramReader()
{
    if (m_thread.joinable()) {
        const std::uint64_t stop = 1;
        (void)::write(m_stop, &stop, sizeof stop);
        m_thread.join();
    }
    if (m_stop >= 0)
        ::close(m_stop);
    reportDrops();
}

void DatagramReader::readUntilStopped()
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
            std::uint32_t kernelDrops = m_kernelDropsSeen;
            datagrams.clear();
            for (std::size_t index = 0; index < std::size_t(received); ++index) {
                msghdr &header = messages[index].msg_hdr;
                Seconds arrived = takenAt;
                for (cmsghdr *control = CMSG_FIRSTHDR(&header); control != nullptr;
                     control = CMSG_NXTHDR(&header, control)) {
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
                     ntohl(senders[index].sin_addr.s_addr), arrived});
            }
            if (enqueue(datagrams, kernelDrops))
                QMetaObject::invokeMethod(this, &DatagramReader::takePass, Qt::QueuedConnection);
            continue;
        }
        if (received < 0 && (errno == EBADF || errno == ENOTSOCK))
            return;
        // Nothing left (or an error that the read has now cleared): sleep until more comes.
        if (received < 0 && errno == EINTR)
            continue;
        if (::poll(waits.data(), waits.size(), -1) < 0 && errno != EINTR)
            return;
        if (waits[1].revents != 0 || (waits[0].revents & POLLNVAL) != 0)
            return;
    }
}

bool DatagramReader::enqueue(const std::vector<Datagram> &datagrams, std::uint32_t kernelDrops)
{
    const std::lock_guard lock(m_mutex);
    // The kernel's count runs from the socket's creation and wraps around.
    m_kernelDropped += std::uint32_t(kernelDrops - std::exchange(m_kernelDropsSeen, kernelDrops));
    for (const Datagram &datagram : datagrams) {
        const qsizetype size = datagram.payload.size();
        if (m_queuedDatagrams >= maxQueuedDatagrams || m_queuedBytes + size > maxQueuedBytes) {
            ++m_dropped;
            continue;
        }
        if (m_queue.empty() || qsizetype(m_queue.back().datagrams.size()) >= chunkDatagrams ||
            m_queue.back().bytes.size() >= chunkBytes)
            m_queue.emplace_back();
        Chunk &chunk = m_queue.back();
        chunk.bytes.append(datagram.payload);
        chunk.datagrams.push_back({chunk.bytes.size(), datagram.sender, datagram.arrived});
        m_queuedBytes += size;
        ++m_queuedDatagrams;
    }
    return !m_queue.empty() && !std::exchange(m_passPending, true);
}

void DatagramReader::takePass()
{
    const QDeadlineTimer deadline(m_passTime, Qt::PreciseTimer);
    const TraceBatch diagnostics;
    do {
        if (m_taking >= qsizetype(m_chunk.datagrams.size())) {
            const std::lock_guard lock(m_mutex);
            if ((m_dropped > 0 || m_kernelDropped > 0) && !m_dropReport.isActive())
                m_dropReport.start();
            if (m_queue.empty()) {
                m_passPending = false;
                return;
            }
            m_chunk = std::move(m_queue.front());
            m_queue.pop_front();
            m_queuedBytes -= m_chunk.bytes.size();
            m_queuedDatagrams -= qsizetype(m_chunk.datagrams.size());
            m_taking = 0;
        }
        const qsizetype begin = m_taking == 0 ? 0 : m_chunk.datagrams[std::size_t(m_taking - 1)].end;
        const Received &taken = m_chunk.datagrams[std::size_t(m_taking)];
        ++m_taking;
        m_handler({QByteArrayView(m_chunk.bytes).sliced(begin, taken.end - begin), taken.sender, taken.arrived});
    } while (!deadline.hasExpired());
    QMetaObject::invokeMethod(this, &DatagramReader::takePass, Qt::QueuedConnection);
}

bool DatagramReader::caughtUp()
{
    const std::lock_guard lock(m_mutex);
    return !m_passPending && m_taking >= qsizetype(m_chunk.datagrams.size()) && m_dropped == 0 && m_kernelDropped == 0;
}

void DatagramReader::reportDrops()
{
    std::uint64_t dropped = 0;
    std::uint64_t kernelDropped = 0;
    {
        const std::lock_guard lock(m_mutex);
        dropped = std::exchange(m_dropped, 0);
        kernelDropped = std::exchange(m_kernelDropped, 0);
    }
    if (dropped > 0 || kernelDropped > 0)
        trace(u">>> Datagrams dropped: %1 in the receive queue, %2 in the kernel"_s.arg(dropped).arg(kernelDropped));
}

} // namespace corvel
