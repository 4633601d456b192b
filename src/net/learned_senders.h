#pragma once

#include "platform/main_loop.h"

#include <QHostAddress>
#include <QList>

#include <cstddef>
#include <vector>

namespace corvel {

// Senders beyond this copy's LANs, which it sends to as well for a while, so that a host that lists
// this one under Destinations hears back without any setting here. Bounded in number and in time
// after each one's last datagram, so that a forged source address cannot aim this copy's traffic
// anywhere for long: at worst 64 hosts get every datagram for ten minutes.
class LearnedSenders {
public:
    static constexpr std::size_t capacity = 64;
    static constexpr Seconds lifetime{600};

    // A datagram came from the address; the least recently heard gives way when there are too many.
    void heard(quint32 address, Seconds at);
    // The addresses heard from within the lifetime, the others forgotten.
    [[nodiscard]] QList<QHostAddress> current(Seconds now);

private:
    struct Heard {
        quint32 address;
        Seconds at;
    };
    std::vector<Heard> m_heard; // least recently heard first
};

} // namespace corvel
