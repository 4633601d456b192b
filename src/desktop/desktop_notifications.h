#pragma once

#include "desktop/notification_batch.h"

#include <QObject>

#include <functional>
#include <optional>

namespace corvel {

// Desktop notifications through the session bus (org.freedesktop.Notifications). The bus is
// reached at the first notification, not at start-up. Without a bus or a notification server a
// notification is dropped; the next one tries again, nothing is retried on its own.
class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    // onClicked runs when the user clicks the notification.
    explicit DesktopNotifications(std::function<void()> onClicked);

    // Shows the notice in place of the one shown before.
    void show(const Notice &notice);

private Q_SLOTS:
    void actionInvoked(uint id, const QString &action);

private:
    void askCapabilities();
    void send(const Notice &notice);

    std::function<void()> m_onClicked;
    bool m_listening = false;
    bool m_asking = false;
    // Whether the server reads markup in the body; unknown until it has said so.
    std::optional<bool> m_markup;
    std::optional<Notice> m_waiting;
    uint m_shown = 0;
};

} // namespace corvel
