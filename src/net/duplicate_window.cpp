#include "net/duplicate_window.h"

#include <QHashFunctions>
#include <QRandomGenerator>

namespace corvel {

DuplicateWindow::DuplicateWindow(Seconds span, std::size_t capacity)
    : m_span(span), m_capacity(capacity), m_seed(std::size_t(QRandomGenerator::system()->generate64()))
{
}

bool DuplicateWindow::isRepeat(QByteArrayView payload, quint32 sender, Seconds arrived)
{
    while (!m_arrivals.empty() && (arrived - m_arrivals.front().at >= m_span || m_arrivals.size() >= m_capacity)) {
        m_remembered.erase(m_arrivals.front().key);
        m_arrivals.pop_front();
    }
    const std::size_t key = qHashMulti(m_seed, payload, sender);
    if (!m_remembered.insert(key).second)
        return true;
    m_arrivals.push_back({key, arrived});
    return false;
}

} // namespace corvel
