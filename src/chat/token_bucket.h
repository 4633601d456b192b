#pragma once

#include "platform/main_loop.h"

namespace corvel {

// Allows a burst of `capacity` events and then `ratePerSecond` on average.
class TokenBucket {
public:
    TokenBucket(double capacity, double ratePerSecond);

    // True when an event may happen now; it then uses one token.
    [[nodiscard]] bool take(Seconds now);

private:
    double m_capacity;
    double m_rate;
    double m_tokens;
    Seconds m_last{0};
    bool m_started = false;
};

} // namespace corvel
