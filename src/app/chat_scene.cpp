// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chat_scene.h"

#include "chat/chat_view.h"
#include "desktop/desktop_shell.h"
#include "net/destinations.h"
#include "net/lan_interfaces.h"
#include "net/reachability.h"
#include "settings/keys.h"
#include "settings/options.h"

namespace corvel {

ChatScene::ChatScene()
{
    auto view = std::make_unique<ChatView>();
    m_view = view.get();
    m_window = std::make_unique<Backdrop>(std::move(view));
    // A stored text that no longer parses (edited by hand) sends nowhere beyond the LAN.
    const auto destinations = [this] {
        return parseDestinations(m_settings.stringForKey(keys::destinations).value_or(QString()))
            .value_or(QList<QHostAddress>());
    };
    m_socket.setDestinations(destinations);
    m_socket.setLearning([this] { return m_settings.learnSenders(); });
    ChatServices services{m_settings, m_loop, m_socket, m_application,
                          [destinations] { return Reachability::isNetworkReachable(!destinations().isEmpty()); }};
    services.echoExpected = [this] { return m_socket.caughtUp() && !lansOf(systemInterfaces()).isEmpty(); };
    m_controller = std::make_unique<ViewController>(std::move(services), *m_view);
    m_shell = std::make_unique<DesktopShell>(*m_view, *m_controller, m_application, m_settings, m_loop);
    QObject::connect(m_controller.get(), &ViewController::preferencesRequested, m_window.get(),
                     [this] { openPreferences(); });
    QObject::connect(m_controller.get(), &ViewController::arrived, m_shell.get(), &DesktopShell::arrived);
    QObject::connect(m_controller.get(), &ViewController::firewallHint, m_shell.get(), &DesktopShell::setFirewallHint);
}

ChatScene::~ChatScene() = default;

void ChatScene::open(bool hidden)
{
    m_window->loadBackground(m_settings);
    if (hidden)
        startHidden();
    else
        m_window->show();
    m_controller->viewDidLoad();
}

void ChatScene::reopen()
{
    m_controller->show();
}

void ChatScene::startHidden()
{
    // At log-in the desktop's panel often starts after the programs: it gets a while to come.
    constexpr Seconds trayWait(10);
    m_application.hideAtStart(m_window.get());
    m_shell->showUnlessTrayWithin(trayWait);
}

void ChatScene::openPreferences()
{
    options::openOnce(
        m_settings, [this] { return m_socket.learnedSenders(); }, m_window.get());
}

} // namespace corvel
