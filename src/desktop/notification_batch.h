// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/unread.h"
#include "platform/main_loop.h"

#include <QObject>
#include <QString>

#include <optional>

namespace corvel {

// One desktop notification: a summary and a plain-text body.
struct Notice {
    QString summary;
    QString body;
    friend bool operator==(const Notice &, const Notice &) = default;
};

// A received text as a notification shows it: one line of a few hundred characters at most, with
// what could reorder or hide text, and a NUL that would cut it short on the bus, shown escaped.
[[nodiscard]] QString noticeBody(const QString &text);

// Gathers arrivals into notifications, at most one a second, so that a flood on the network never
// floods the desktop: what arrives meanwhile is counted into the next one.
class NotificationBatch : public QObject {
    Q_OBJECT
public:
    explicit NotificationBatch(MainLoop &loop);

    void add(Arrival arrival, const QString &text);
    // The user is back: what waits is no news any more.
    void discard();

Q_SIGNALS:
    // The notification for what arrived since the last one is due.
    void due(const Notice &notice);

private:
    void flush();

    MainLoop &m_loop;
    Unread m_waiting;
    QString m_lastText;
    bool m_scheduled = false;
    std::optional<Seconds> m_lastSent;
};

} // namespace corvel
