#include "net/learned_senders.h"

#include <algorithm>

namespace corvel {

void LearnedSenders::heard(quint32 address, Seconds at)
{
    std::erase_if(m_heard, [address](const Heard &known) { return known.address == address; });
    if (m_heard.size() >= capacity)
        m_heard.erase(m_heard.begin());
    m_heard.push_back({address, at});
}

QList<QHostAddress> LearnedSenders::current(Seconds now)
{
    std::erase_if(m_heard, [now](const Heard &known) { return now - known.at >= lifetime; });
    QList<QHostAddress> addresses;
    for (const Heard &known : m_heard)
        addresses.append(QHostAddress(known.address));
    return addresses;
}

} // namespace corvel
