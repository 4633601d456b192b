// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/own_lines.h"

#include <algorithm>

namespace corvel {

void OwnLines::expect(const QString &text)
{
    if (m_pending.size() >= capacity)
        m_pending.pop_front();
    m_pending.push_back({m_loop.now(), text});
}

bool OwnLines::claim(const QString &text, Seconds arrived)
{
    // Arrivals come in order: a send whose window closed before this one is past hope.
    while (!m_pending.empty() && arrived - m_pending.front().sent >= m_window)
        m_pending.pop_front();
    const auto own = std::ranges::find(m_pending, text, &Pending::text);
    if (own == m_pending.end())
        return false;
    m_pending.erase(own);
    return true;
}

QStringList OwnLines::takeUnconfirmed()
{
    QStringList unconfirmed;
    while (!m_pending.empty() && m_loop.now() - m_pending.front().sent >= m_window) {
        unconfirmed.append(std::move(m_pending.front().text));
        m_pending.pop_front();
    }
    return unconfirmed;
}

} // namespace corvel
