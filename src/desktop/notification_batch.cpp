#include "desktop/notification_batch.h"

#include <algorithm>

namespace corvel {

namespace {

constexpr Seconds interval(1.0);

} // namespace

NotificationBatch::NotificationBatch(MainLoop &loop, Send send) : m_loop(loop), m_send(std::move(send)) {}

void NotificationBatch::add(Arrival arrival, const QString &text)
{
    m_waiting.add(arrival);
    m_lastText = text.trimmed();
    if (m_scheduled)
        return;
    m_scheduled = true;
    // Even the first waits for the loop's next pass, so that one burst makes one notification.
    const Seconds wait = m_lastSent ? std::max(Seconds(0), *m_lastSent + interval - m_loop.now()) : Seconds(0);
    m_loop.after(wait, m_lifetime.guard([this] { flush(); }));
}

void NotificationBatch::discard()
{
    m_waiting = {};
}

void NotificationBatch::flush()
{
    m_scheduled = false;
    if (!m_waiting.any())
        return;
    m_send({m_waiting.summary(), m_lastText});
    m_lastSent = m_loop.now();
    m_waiting = {};
}

} // namespace corvel
