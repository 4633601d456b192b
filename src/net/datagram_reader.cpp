#include "net/datagram_reader.h"

#include "platform/trace.h"

#include <QDeadlineTimer>

#include <utility>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

// A chunk of the queue is full at either size.
constexpr qsizetype chunkDatagrams = 256;
constexpr qsizetype chunkBytes = qsizetype(256) << 10;
constexpr std::chrono::seconds dropReportInterval{1};

} // namespace

DatagramReader::DatagramReader(QUdpSocket &socket, Handler handler, std::chrono::nanoseconds passTime)
    : m_handler(std::move(handler)), m_passTime(passTime)
{
    m_dropReport.setSingleShot(true);
    m_dropReport.setInterval(dropReportInterval);
    connect(&m_dropReport, &QTimer::timeout, this, &DatagramReader::reportDrops);
    m_drain = std::make_unique<SocketDrain>(socket, [this](const std::vector<Datagram> &batch, std::uint32_t drops) {
        if (enqueue(batch, drops))
            QMetaObject::invokeMethod(this, &DatagramReader::takePass, Qt::QueuedConnection);
    });
}

DatagramReader::~DatagramReader()
{
    m_drain.reset();
    reportDrops();
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
        chunk.datagrams.push_back({chunk.bytes.size(), datagram.sender, datagram.arrived, datagram.destination});
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
        m_handler({QByteArrayView(m_chunk.bytes).sliced(begin, taken.end - begin), taken.sender, taken.arrived,
                   taken.destination});
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
