// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/datagram_socket.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QUdpSocket;

namespace corvel {

// Takes the datagrams that reach a bound UDP socket's port off the system on a thread of its own,
// as fast as they come, and hands them over in batches on that thread. Each datagram carries when
// it was received; each batch the system's running count of the datagrams it dropped for want of
// room, where the system tells (0 where it does not), and an empty batch brings that count when it
// moved while the backlog waited. The thread sleeps while nothing arrives.
class SocketDrain {
public:
    // The payloads are valid during the call only.
    using Deliver = std::function<void(const std::vector<Datagram> &batch, std::uint32_t systemDrops)>;

    // The socket stays the caller's and must outlive the drain; its thread starts at once.
    SocketDrain(QUdpSocket &socket, Deliver deliver);
    // Nothing is delivered once it has returned.
    ~SocketDrain();
    SocketDrain(const SocketDrain &) = delete;
    SocketDrain &operator=(const SocketDrain &) = delete;

private:
    class Thread;
    std::unique_ptr<Thread> m_thread;
};

} // namespace corvel
