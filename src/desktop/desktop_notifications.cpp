// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_notifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

const QString service = u"org.freedesktop.Notifications"_s;
const QString path = u"/org/freedesktop/Notifications"_s;
const QString interface = u"org.freedesktop.Notifications"_s;
// The action a server invokes when the notification itself is clicked.
const QString clickAction = u"default"_s;

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(service, path, interface, method);
}

} // namespace

void DesktopNotifications::show(const Notice &notice)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Q_EMIT busMissing(notice);
        return;
    }
    if (!m_listening) {
        m_listening =
            bus.connect(service, path, interface, u"ActionInvoked"_s, this, SLOT(actionInvoked(uint, QString)));
    }
    if (m_markup) {
        send(notice);
        return;
    }
    m_waiting = notice;
    askCapabilities();
}

// Servers that read markup would take a peer's "<b>" as bold; the others would show "&lt;" as
// typed. So the body is escaped exactly when the server says it reads markup.
void DesktopNotifications::askCapabilities()
{
    if (m_asking)
        return;
    m_asking = true;
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call(u"GetCapabilities"_s)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *answered) {
        answered->deleteLater();
        m_asking = false;
        const QDBusPendingReply<QStringList> reply = *answered;
        if (reply.isError()) {
            m_waiting.reset();
            return;
        }
        m_markup = reply.value().contains(u"body-markup"_s);
        if (m_waiting)
            send(*std::exchange(m_waiting, std::nullopt));
    });
}

void DesktopNotifications::send(const Notice &notice)
{
    QDBusMessage notify = call(u"Notify"_s);
    const QVariantMap hints{{u"desktop-entry"_s, u"corvel"_s}, {u"category"_s, u"im.received"_s}};
    notify << u"Corvel"_s << m_shown << u"corvel"_s << notice.summary
           << (*m_markup ? escapeMarkup(notice.body) : notice.body) << QStringList{clickAction, tr("Show Corvel")}
           << hints << -1;
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *answered) {
        answered->deleteLater();
        const QDBusPendingReply<uint> reply = *answered;
        if (reply.isError()) {
            // The server went away: ask again what the next one reads.
            m_markup.reset();
            m_shown = 0;
            return;
        }
        m_shown = reply.value();
    });
}

void DesktopNotifications::actionInvoked(uint id, const QString &action)
{
    if (id == m_shown && action == clickAction)
        Q_EMIT clicked();
}

} // namespace corvel
