#include "net/datagram_reader.h"

#include "platform/trace.h"

#include <QDeadlineTimer>
#include <QFile>

#include <array>
#include <cerrno>
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
    std::vector<char> buffers(datagramsPerRead * largestDatagram);
    std::array<iovec, datagramsPerRead> pieces{};
    std::array<mmsghdr, datagramsPerRead> messages{};
    for (std::size_t index = 0; index < messages.size(); ++index) {
        pieces[index] = {buffers.data() + index * largestDatagram, largestDatagram};
        messages[index].msg_hdr.msg_iov = &pieces[index];
        messages[index].msg_hdr.msg_iovlen = 1;
    }
    std::array<pollfd, 2> waits = {pollfd{m_descriptor, POLLIN, 0}, pollfd{m_stop, POLLIN, 0}};
    std::vector<QByteArrayView> datagrams;
    datagrams.reserve(datagramsPerRead);
    for (;;) {
        const int received = ::recvmmsg(m_descriptor, messages.data(), datagramsPerRead, MSG_DONTWAIT, nullptr);
        if (received > 0) {
            datagrams.clear();
            for (std::size_t index = 0; index < std::size_t(received); ++index)
                datagrams.emplace_back(buffers.data() + index * largestDatagram, qsizetype(messages[index].msg_len));
            if (enqueue(datagrams))
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

bool DatagramReader::enqueue(const std::vector<QByteArrayView> &datagrams)
{
    const std::lock_guard lock(m_mutex);
    for (const QByteArrayView datagram : datagrams) {
        if (m_queuedDatagrams >= maxQueuedDatagrams || m_queuedBytes + datagram.size() > maxQueuedBytes) {
            ++m_dropped;
            continue;
        }
        if (m_queue.empty() || qsizetype(m_queue.back().ends.size()) >= chunkDatagrams ||
            m_queue.back().bytes.size() >= chunkBytes)
            m_queue.emplace_back();
        Chunk &chunk = m_queue.back();
        chunk.bytes.append(datagram);
        chunk.ends.push_back(chunk.bytes.size());
        m_queuedBytes += datagram.size();
        ++m_queuedDatagrams;
    }
    return !m_queue.empty() && !std::exchange(m_passPending, true);
}

void DatagramReader::takePass()
{
    const QDeadlineTimer deadline(m_passTime, Qt::PreciseTimer);
    const TraceBatch diagnostics;
    do {
        if (m_taking >= qsizetype(m_chunk.ends.size())) {
            const std::lock_guard lock(m_mutex);
            if (m_dropped > 0 && !m_dropReport.isActive())
                m_dropReport.start();
            if (m_queue.empty()) {
                m_passPending = false;
                return;
            }
            m_chunk = std::move(m_queue.front());
            m_queue.pop_front();
            m_queuedBytes -= m_chunk.bytes.size();
            m_queuedDatagrams -= qsizetype(m_chunk.ends.size());
            m_taking = 0;
        }
        const qsizetype begin = m_taking == 0 ? 0 : m_chunk.ends[std::size_t(m_taking - 1)];
        const qsizetype end = m_chunk.ends[std::size_t(m_taking)];
        ++m_taking;
        m_handler(QByteArrayView(m_chunk.bytes).sliced(begin, end - begin));
    } while (!deadline.hasExpired());
    QMetaObject::invokeMethod(this, &DatagramReader::takePass, Qt::QueuedConnection);
}

void DatagramReader::reportDrops()
{
    std::uint64_t dropped = 0;
    {
        const std::lock_guard lock(m_mutex);
        dropped = std::exchange(m_dropped, 0);
    }
    if (dropped > 0)
        trace(u">>> Receive queue full: %1 datagrams dropped"_s.arg(dropped));
}

} // namespace corvel
