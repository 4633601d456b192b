// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/datagram_reader.h"

#include "net/utf8.h"
#include "net/wire.h"
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

bool isUrgent(QByteArrayView payload)
{
    if (!payload.contains(QByteArrayView("<online?>")))
        return false;
    const std::optional<QString> text = decodeUtf8(payload);
    return text && wire::isPresenceRequest(*text);
}

} // namespace

DatagramReader::DatagramReader(QUdpSocket &socket, std::chrono::nanoseconds passTime) : m_passTime(passTime)
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
    // The kernel's count runs from the socket's creation and wraps around. A datagram queued before
    // the drain last read the count may bring an older one.
    const auto newDrops = std::int32_t(kernelDrops - m_kernelDropsSeen);
    if (newDrops > 0) {
        m_kernelDropped += std::uint32_t(newDrops);
        m_kernelDropsSeen = kernelDrops;
    }
    for (const Datagram &datagram : datagrams) {
        const qsizetype size = datagram.payload.size();
        if (m_queuedDatagrams >= maxQueuedDatagrams || m_queuedBytes + size > maxQueuedBytes) {
            ++m_dropped;
            continue;
        }
        const bool urgent = isUrgent(datagram.payload);
        if (!urgent && (m_queue.empty() || qsizetype(m_queue.back().datagrams.size()) >= chunkDatagrams ||
                        m_queue.back().bytes.size() >= chunkBytes))
            m_queue.emplace_back();
        Chunk &chunk = urgent ? m_urgent : m_queue.back();
        chunk.bytes.append(datagram.payload);
        chunk.datagrams.push_back({chunk.bytes.size(), datagram.sender, datagram.arrived, datagram.destination});
        m_queuedBytes += size;
        ++m_queuedDatagrams;
    }
    // A pass also starts the report of drops that came with nothing to take.
    return (!m_queue.empty() || !m_urgent.datagrams.empty() || newDrops > 0) && !std::exchange(m_passPending, true);
}

void DatagramReader::takePass()
{
    const QDeadlineTimer deadline(m_passTime, Qt::PreciseTimer);
    const TraceBatch diagnostics;
    takeUrgent();
    do {
        if (m_taking >= qsizetype(m_chunk.datagrams.size())) {
            const std::lock_guard lock(m_mutex);
            if ((m_dropped > 0 || m_kernelDropped > 0) && !m_dropReport.isActive())
                m_dropReport.start();
            // A request that came during this pass is taken by the next.
            if (m_queue.empty() && m_urgent.datagrams.empty()) {
                m_passPending = false;
                return;
            }
            if (m_queue.empty())
                break;
            m_chunk = std::move(m_queue.front());
            m_queue.pop_front();
            m_queuedBytes -= m_chunk.bytes.size();
            m_queuedDatagrams -= qsizetype(m_chunk.datagrams.size());
            m_taking = 0;
        }
        Q_EMIT received(m_chunk.at(std::size_t(m_taking++)));
    } while (!deadline.hasExpired());
    QMetaObject::invokeMethod(this, &DatagramReader::takePass, Qt::QueuedConnection);
}

void DatagramReader::takeUrgent()
{
    Chunk urgent;
    {
        const std::lock_guard lock(m_mutex);
        urgent = std::exchange(m_urgent, {});
        m_queuedBytes -= urgent.bytes.size();
        m_queuedDatagrams -= qsizetype(urgent.datagrams.size());
    }
    for (std::size_t index = 0; index < urgent.datagrams.size(); ++index)
        Q_EMIT received(urgent.at(index));
}

Datagram DatagramReader::Chunk::at(std::size_t index) const
{
    const qsizetype begin = index == 0 ? 0 : datagrams[index - 1].end;
    const Received &taken = datagrams[index];
    return {QByteArrayView(bytes).sliced(begin, taken.end - begin), taken.sender, taken.arrived, taken.destination};
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
