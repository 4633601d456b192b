// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/desktop_notifications.h"
#include "desktop/notification_batch.h"
#include "desktop/tray_arrival.h"
#include "desktop/unread.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include <memory>

namespace corvel {

class Application;
class ChatView;
class SettingsStore;
class ViewController;

// The ways back to a window out of sight, which no dock offers on Linux: a tray icon that shows
// what arrived meanwhile, and desktop notifications while the window is hidden or not active.
class DesktopShell : public QObject {
    Q_OBJECT
public:
    DesktopShell(ChatView &view, ViewController &controller, Application &application, SettingsStore &settings,
                 MainLoop &loop);
    ~DesktopShell() override;

    // A line from someone else or a call has arrived.
    void arrived(Arrival arrival, const QString &text);
    // The tray icon's click: shows the window, or hides it when it is shown.
    void toggle();
    // A click toggles. A double-click shows: its first click hid the window, and a user who
    // double-clicks out of habit wants it back.
    void trayActivated(QSystemTrayIcon::ActivationReason reason);
    // For a start with the window hidden: shows it after the wait unless a tray icon could bring
    // it back by then.
    void showUnlessTrayWithin(Seconds wait);

    // While the copy's own broadcasts do not come back, the tooltip says why; empty once they do.
    void setFirewallHint(const QString &hint);

    // What the tray icon says, or would say where no tray runs.
    [[nodiscard]] QString trayToolTip() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void makeTrayIcon();
    void updateTrayIcon();
    [[nodiscard]] bool windowShown() const;

    ChatView &m_view;
    ViewController &m_controller;
    Application &m_application;
    SettingsStore &m_settings;
    MainLoop &m_loop;
    Unread m_unread;
    QString m_firewallHint;
    DesktopNotifications m_notifications;
    NotificationBatch m_batch;
    QMenu m_menu;
    QIcon m_icon;
    QIcon m_markedIcon;
    // Made only once it would show: Qt picks the tray's protocol for good when the first icon is
    // made. Made again, an icon registers with a StatusNotifierItem host that started again.
    std::unique_ptr<QSystemTrayIcon> m_tray;
    TrayArrival m_trays;
};

} // namespace corvel
