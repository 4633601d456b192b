// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/notification_batch.h"

#include <QObject>

#include <optional>

namespace corvel {

// Desktop notifications through the session bus (org.freedesktop.Notifications). The bus is
// reached at the first notification, not at start-up. Where there is no session bus (macOS,
// Windows), the notice is handed on by busMissing(), for a stand-in such as the tray icon's message,
// as plain text. Without a notification server a notification is dropped; the next one tries again,
// nothing is retried on its own.
class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    // Shows the notice in place of the one shown before.
    void show(const Notice &notice);

Q_SIGNALS:
    // The user clicked the notification.
    void clicked();
    // There is no session bus to show the notice on.
    void busMissing(const Notice &notice);

private Q_SLOTS:
    void actionInvoked(uint id, const QString &action);

private:
    void askCapabilities();
    void send(const Notice &notice);

    bool m_listening = false;
    bool m_asking = false;
    // Whether the server reads markup in the body; unknown until it has said so.
    std::optional<bool> m_markup;
    std::optional<Notice> m_waiting;
    uint m_shown = 0;
};

} // namespace corvel
