#include "chat/token_bucket.h"

#include <algorithm>

namespace corvel {

TokenBucket::TokenBucket(double capacity, double ratePerSecond)
    : m_capacity(capacity), m_rate(ratePerSecond), m_tokens(capacity)
{
}

bool TokenBucket::take(Seconds now)
{
    if (m_started)
        m_tokens = std::min(m_capacity, m_tokens + std::max(0.0, (now - m_last).count()) * m_rate);
    m_started = true;
    m_last = now;
    if (m_tokens < 1.0)
        return false;
    m_tokens -= 1.0;
    return true;
}

} // namespace corvel
