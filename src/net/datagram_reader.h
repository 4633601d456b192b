// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/datagram_socket.h"
#include "net/socket_drain.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

class QUdpSocket;

namespace corvel {

// Takes the datagrams of a bound UDP socket off the kernel on a thread of its own, as fast as they
// come, into a queue bounded in datagrams and in bytes; the main thread takes them in passes of
// bounded time. So a burst loses nothing while the main thread lays out lines, and a flood neither
// starves the main loop nor exhausts memory: what a full queue drops is counted and reported once
// a second, together with what the kernel dropped before the reader could take it, where the
// system tells. Each datagram carries the time it was received, by the kernel where the system
// tells, so that a busy main thread does not make it look late. A presence request goes ahead of the
// lines queued before it: it asks for nothing but an answer, which must not wait behind a flood.
class DatagramReader final : public QObject {
    Q_OBJECT
public:
    // Room for the answers of a LAN of ten thousand hosts; a longer queue would only make a flood
    // delay everything that comes after it.
    static constexpr qsizetype maxQueuedBytes = qsizetype(64) << 20;
    static constexpr qsizetype maxQueuedDatagrams = qsizetype(16) << 10;

    // The socket stays the caller's and must outlive the reader. received() is told on the thread
    // that creates the reader, for every datagram in the order of arrival.
    DatagramReader(QUdpSocket &socket, std::chrono::nanoseconds passTime);
    ~DatagramReader() override;
    DatagramReader(const DatagramReader &) = delete;
    DatagramReader &operator=(const DatagramReader &) = delete;

    // Whether every datagram taken off the socket has been handled, with none dropped since the
    // last report: only then does silence on the main thread mean that nothing came.
    [[nodiscard]] bool caughtUp();

Q_SIGNALS:
    void received(const corvel::Datagram &datagram);

private:
    struct Received {
        qsizetype end; // in the chunk's bytes
        quint32 sender;
        Seconds arrived;
        quint32 destination;
    };
    // Datagrams back to back, so that a queue of small ones costs a few allocations, not one each.
    struct Chunk {
        QByteArray bytes;
        std::vector<Received> datagrams;

        // The datagram at an index, valid while the chunk is.
        [[nodiscard]] Datagram at(std::size_t index) const;
    };

    // Reader thread: queues what fits and says whether the main thread must be woken.
    [[nodiscard]] bool enqueue(const std::vector<Datagram> &datagrams, std::uint32_t kernelDrops);
    void takePass();
    void takeUrgent();
    void reportDrops();

    std::chrono::nanoseconds m_passTime;
    QTimer m_dropReport;
    Chunk m_chunk;                       // main thread: the chunk being taken
    qsizetype m_taking = 0;              // main thread: its next datagram
    std::uint32_t m_kernelDropsSeen = 0; // reader thread: the kernel's running count, last read

    std::mutex m_mutex; // guards what follows
    std::deque<Chunk> m_queue;
    Chunk m_urgent; // the presence requests, taken first
    qsizetype m_queuedBytes = 0;
    qsizetype m_queuedDatagrams = 0;
    std::uint64_t m_dropped = 0;
    std::uint64_t m_kernelDropped = 0;
    bool m_passPending = false;

    std::unique_ptr<SocketDrain> m_drain; // last, so that it starts when everything else is ready
};

} // namespace corvel
