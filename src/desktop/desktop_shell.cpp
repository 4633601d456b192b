// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_shell.h"

#include "chat/ViewController.h"
#include "chat/chat_view.h"
#include "platform/application.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

// The program's icon with a red dot in its corner: something waits.
QIcon markedIcon(const QIcon &icon)
{
    constexpr int side = 64;
    QPixmap pixmap = icon.pixmap(side, side);
    if (pixmap.isNull()) {
        pixmap = QPixmap(side, side);
        pixmap.fill(Qt::transparent);
    }
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4));
    painter.setBrush(QColor(0xe0, 0x10, 0x10));
    painter.drawEllipse(QRectF(side * 0.45, 2, side * 0.53, side * 0.53));
    return {pixmap};
}

} // namespace

DesktopShell::DesktopShell(ChatView &view, ViewController &controller, Application &application,
                           SettingsStore &settings, MainLoop &loop)
    : m_view(view), m_controller(controller), m_application(application), m_settings(settings), m_loop(loop),
      m_batch(loop), m_icon(QApplication::windowIcon()), m_markedIcon(markedIcon(m_icon))
{
    connect(&m_notifications, &DesktopNotifications::clicked, this, [this] { m_controller.show(); });
    connect(&m_notifications, &DesktopNotifications::busMissing, this, [this](const Notice &notice) {
        // Shown as plain text by every system's tray.
        if (m_tray)
            m_tray->showMessage(notice.summary, notice.body, m_icon);
    });
    connect(&m_batch, &NotificationBatch::due, &m_notifications, &DesktopNotifications::show);
    connect(&m_trays, &TrayArrival::arrived, this, [this](TrayArrival::Protocol protocol) {
        // Qt docks an icon in a new platform tray by itself; docking it twice confuses the tray.
        if (!m_tray || protocol == TrayArrival::Protocol::StatusNotifierItem)
            makeTrayIcon();
    });
    m_view.window()->installEventFilter(this);
    buildMenu();
    // Asking for a tray can mean a round trip to the session bus: not before the window is up.
    loop.after(Seconds(0), this, [this] {
        if (m_trays.iconWouldShow())
            makeTrayIcon();
    });
}

DesktopShell::~DesktopShell()
{
    m_view.window()->removeEventFilter(this);
}

void DesktopShell::buildMenu()
{
    QAction *showHide = m_menu.addAction(tr("Show"), this, &DesktopShell::toggle);
    connect(&m_menu, &QMenu::aboutToShow, this,
            [this, showHide] { showHide->setText(windowShown() ? tr("Hide") : tr("Show")); });
    m_menu.addSeparator();
    const ChatView::TrayCommands commands = m_view.trayCommands();
    m_menu.addActions({commands.call, commands.online});
    // The panel belongs to the window; alone on screen, closing it would end the program.
    m_menu.addAction(commands.preferences->text(), this, [this, preferences = commands.preferences] {
        if (!windowShown())
            m_controller.show();
        preferences->trigger();
    });
    m_menu.addSeparator();
    m_menu.addAction(tr("Quit"), commands.exit, &QAction::trigger);
}

void DesktopShell::makeTrayIcon()
{
    m_tray = std::make_unique<QSystemTrayIcon>();
    m_tray->setContextMenu(&m_menu);
    connect(m_tray.get(), &QSystemTrayIcon::activated, this, &DesktopShell::trayActivated);
    connect(m_tray.get(), &QSystemTrayIcon::messageClicked, this, [this] { m_controller.show(); });
    updateTrayIcon();
    m_tray->show();
}

bool DesktopShell::windowShown() const
{
    return !m_application.isHidden() && m_view.window()->isVisible();
}

void DesktopShell::toggle()
{
    if (windowShown())
        m_controller.hiding();
    else
        m_controller.show();
}

void DesktopShell::trayActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger)
        toggle();
    else if (reason == QSystemTrayIcon::DoubleClick)
        m_controller.show();
}

void DesktopShell::showUnlessTrayWithin(Seconds wait)
{
    m_loop.after(wait, this, [this] {
        // The portable variant makes its icon before any tray is there: Qt knows whether one is.
        if (!windowShown() && !(m_tray && QSystemTrayIcon::isSystemTrayAvailable()))
            m_controller.show();
    });
}

void DesktopShell::arrived(Arrival arrival, const QString &text)
{
    if (!windowShown()) {
        m_unread.add(arrival);
        updateTrayIcon();
    }
    const bool away = !windowShown() || !m_view.window()->isActiveWindow();
    if (away && m_settings.notifications())
        m_batch.add(arrival, text);
}

void DesktopShell::updateTrayIcon()
{
    if (!m_tray)
        return;
    m_tray->setIcon(m_unread.any() ? m_markedIcon : m_icon);
    m_tray->setToolTip(trayToolTip());
}

void DesktopShell::setFirewallHint(const QString &hint)
{
    m_firewallHint = hint;
    updateTrayIcon();
}

QString DesktopShell::trayToolTip() const
{
    return m_firewallHint.isEmpty() ? m_unread.summary() : m_unread.summary() % u'\n' % m_firewallHint;
}

bool DesktopShell::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        m_unread = {};
        updateTrayIcon();
    }
    if (event->type() == QEvent::WindowActivate)
        m_batch.discard();
    return QObject::eventFilter(watched, event);
}

} // namespace corvel
