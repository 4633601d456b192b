// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/notification_batch.h"

#include "platform/trace.h"

#include <algorithm>

namespace corvel {

namespace {

constexpr Seconds interval(1.0);
constexpr qsizetype longestBody = 300;

} // namespace

QString noticeBody(const QString &text)
{
    const QStringView trimmed = QStringView(text).trimmed();
    QString body = visibleText(trimmed.first(std::min(trimmed.size(), longestBody + 1)));
    if (body.size() <= longestBody)
        return body;
    const qsizetype kept = body.at(longestBody - 2).isHighSurrogate() ? longestBody - 2 : longestBody - 1;
    return body.first(kept) + u'…';
}

NotificationBatch::NotificationBatch(MainLoop &loop) : m_loop(loop) {}

void NotificationBatch::add(Arrival arrival, const QString &text)
{
    m_waiting.add(arrival);
    m_lastText = noticeBody(text);
    if (m_scheduled)
        return;
    m_scheduled = true;
    // Even the first waits for the loop's next pass, so that one burst makes one notification.
    const Seconds wait = m_lastSent ? std::max(Seconds(0), *m_lastSent + interval - m_loop.now()) : Seconds(0);
    m_loop.after(wait, this, [this] { flush(); });
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
    Q_EMIT due({m_waiting.summary(), m_lastText});
    m_lastSent = m_loop.now();
    m_waiting = {};
}

} // namespace corvel
