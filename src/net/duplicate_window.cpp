// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/duplicate_window.h"

#include <QHashFunctions>
#include <QRandomGenerator>

#include <utility>

namespace corvel {

namespace {

// Room for a quiet LAN; a flood makes the table grow.
constexpr std::size_t firstSlots = 16;

} // namespace

DuplicateWindow::DuplicateWindow(Seconds span, std::size_t capacity)
    : m_span(span), m_capacity(capacity), m_seed(std::size_t(QRandomGenerator::system()->generate64())),
      m_slots(firstSlots, emptySlot)
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
    std::size_t slot = find(key);
    if (m_slots[slot] == key)
        return true;
    // At most a quarter full, so that probes stay short.
    if (4 * (m_arrivals.size() + 1) > m_slots.size()) {
        for (const std::size_t kept : std::exchange(m_slots, std::vector(2 * m_slots.size(), emptySlot))) {
            if (kept != emptySlot)
                m_slots[find(kept)] = kept;
        }
        slot = find(key);
    }
    m_slots[slot] = key;
    m_arrivals.push_back({key, arrived});
    return false;
}

std::size_t DuplicateWindow::find(std::size_t key) const
{
    std::size_t slot = key & (m_slots.size() - 1);
    while (m_slots[slot] != emptySlot && m_slots[slot] != key)
        slot = next(slot);
    return slot;
}

// Linear probing: the keys after a freed slot that belong at or before it move up, so that every
// search still finds its key before an empty slot.
void DuplicateWindow::forget(std::size_t key)
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t hole = find(key);
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
