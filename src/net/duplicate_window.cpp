#include "net/duplicate_window.h"

#include <QHashFunctions>
#include <QRandomGenerator>

namespace corvel {

DuplicateWindow::DuplicateWindow(Seconds span, std::size_t capacity)
    : m_span(span), m_capacity(capacity), m_seed(std::size_t(QRandomGenerator::system()->generate64()))
{
}

bool DuplicateWindow::isRepeat(QByteArrayView payload, Seconds now)
{
    while (!m_arrivals.empty() && (now - m_arrivals.front().at >= m_span || m_arrivals.size() >= m_capacity)) {
        m_remembered.erase(m_arrivals.front().key);
        m_arrivals.pop_front();
    }
    const std::size_t key = qHash(payload, m_seed);
    if (!m_remembered.insert(key).second)
        return true;
    m_arrivals.push_back({key, now});
    return false;
}

} // namespace corvel
