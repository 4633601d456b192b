#pragma once

#include "platform/main_loop.h"

#include <QByteArrayView>

#include <cstddef>
#include <deque>
#include <unordered_set>

namespace corvel {

// The same datagram reaches a copy once through each interface it shares with the sender, and
// its own broadcasts come back once per interface sent on. Identical bytes arriving within the
// span of the first arrival count once. Memory is bounded: under a flood of distinct datagrams
// the oldest are forgotten early, so a late twin may then pass, but nothing distinct is lost.
class DuplicateWindow {
public:
    explicit DuplicateWindow(Seconds span, std::size_t capacity = 4096);

    // True for bytes that arrived first less than the span ago; otherwise remembers them.
    [[nodiscard]] bool isRepeat(QByteArrayView payload, Seconds now);

private:
    struct Arrival {
        std::size_t key;
        Seconds at;
    };

    Seconds m_span;
    std::size_t m_capacity;
    // A seed of its own, so that nobody can craft payloads that collide.
    std::size_t m_seed;
    std::deque<Arrival> m_arrivals; // oldest first; one per key
    std::unordered_set<std::size_t> m_remembered;
};

} // namespace corvel
