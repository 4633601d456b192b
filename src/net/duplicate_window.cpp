#include "net/duplicate_window.h"

#include <QHashFunctions>
#include <QRandomGenerator>

#include <bit>

namespace corvel {

DuplicateWindow::DuplicateWindow(Seconds span, std::size_t capacity)
    : m_span(span), m_capacity(capacity), m_seed(std::size_t(QRandomGenerator::system()->generate64())),
      m_slots(std::bit_ceil(4 * capacity), emptySlot)
{
}

bool DuplicateWindow::isRepeat(QByteArrayView payload, quint32 sender, Seconds arrived)
{
    while (!m_arrivals.empty() && (arrived - m_arrivals.front().at >= m_span || m_arrivals.size() >= m_capacity)) {
        forget(m_arrivals.front().key);
        m_arrivals.pop_front();
    }
    // A seed of the sender's own: the same bytes from two hosts are two keys.
    std::size_t key = qHash(payload, m_seed ^ sender);
    key += key == emptySlot ? 1 : 0;
    std::size_t slot = key & (m_slots.size() - 1);
    for (; m_slots[slot] != emptySlot; slot = next(slot)) {
        if (m_slots[slot] == key)
            return true;
    }
    m_slots[slot] = key;
    m_arrivals.push_back({key, arrived});
    return false;
}

// Linear probing: the keys after a freed slot that belong at or before it move up, so that every
// search still finds its key before an empty slot.
void DuplicateWindow::forget(std::size_t key)
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t hole = key & mask;
    while (m_slots[hole] != key)
        hole = next(hole);
    for (std::size_t slot = next(hole); m_slots[slot] != emptySlot; slot = next(slot)) {
        const std::size_t home = m_slots[slot] & mask;
        // Whether home lies cyclically in (hole, slot]: then the key stays where it is.
        const bool staysPut = hole <= slot ? (hole < home && home <= slot) : (hole < home || home <= slot);
        if (!staysPut) {
            m_slots[hole] = m_slots[slot];
            hole = slot;
        }
    }
    m_slots[hole] = emptySlot;
}

} // namespace corvel
