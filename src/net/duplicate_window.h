// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/main_loop.h"

#include <QByteArrayView>

#include <cstddef>
#include <deque>
#include <vector>

namespace corvel {

// The same datagram reaches a copy once through each interface it shares with the sender, and
// its own broadcasts come back once per interface sent on. Identical bytes from one sender arriving
// within the span of the first arrival count once; the same bytes from two hosts (everybody's call
// and query are alike) are two. Arrival is when the datagram was taken off the socket, so a copy
// that was stopped or busy does not merge what came apart. Memory is bounded: under a flood of
// distinct datagrams the oldest are forgotten early, so a late twin may then pass, but nothing
// distinct is lost.
class DuplicateWindow {
public:
    explicit DuplicateWindow(Seconds span, std::size_t capacity = 4096);

    // True for bytes from the sender that arrived first less than the span before; otherwise
    // remembers them.
    [[nodiscard]] bool isRepeat(QByteArrayView payload, quint32 sender, Seconds arrived);

private:
    struct Arrival {
        std::size_t key;
        Seconds at;
    };
    static constexpr std::size_t emptySlot = 0;

    [[nodiscard]] std::size_t next(std::size_t slot) const { return (slot + 1) & (m_slots.size() - 1); }
    // Where the key is, or the empty slot where it would go.
    [[nodiscard]] std::size_t find(std::size_t key) const;
    void forget(std::size_t key);

    Seconds m_span;
    std::size_t m_capacity;
    // A seed of its own, so that nobody can craft payloads that collide.
    std::size_t m_seed;
    std::deque<Arrival> m_arrivals; // oldest first; one per key
    // The keys of m_arrivals in an open-addressed table, which grows with them: a check allocates
    // nothing but the table's growth in a flood.
    std::vector<std::size_t> m_slots;
};

} // namespace corvel
