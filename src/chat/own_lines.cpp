#include "chat/own_lines.h"

#include <algorithm>

namespace corvel {

void OwnLines::expect(const QString &text)
{
    const std::uint64_t serial = ++m_lastSerial;
    m_pending.push_back({serial, text});
    // An echo that was claimed is gone already; a later send of the same text keeps its own entry.
    m_loop.after(m_window, m_lifetime.guard([this, serial] {
        std::erase_if(m_pending, [serial](const Pending &pending) { return pending.serial == serial; });
    }));
}

bool OwnLines::claim(const QString &text)
{
    const auto own = std::ranges::find(m_pending, text, &Pending::text);
    if (own == m_pending.end())
        return false;
    m_pending.erase(own);
    return true;
}

} // namespace corvel
