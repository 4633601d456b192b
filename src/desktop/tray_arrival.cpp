// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/tray_arrival.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

const QString watcherService = u"org.kde.StatusNotifierWatcher"_s;
const QString watcherPath = u"/StatusNotifierWatcher"_s;

} // namespace

TrayArrival::TrayArrival()
{
    connect(&m_platform, &PlatformTrays::arrived, this, [this] { Q_EMIT arrived(Protocol::Platform); });
    // A host registers when it starts and again when it restarts, whichever process owns the
    // watcher's name by then.
    QDBusConnection::sessionBus().connect(watcherService, watcherPath, watcherService,
                                          u"StatusNotifierHostRegistered"_s, this, SLOT(hostRegistered()));
}

bool TrayArrival::iconWouldShow() const
{
    QDBusMessage get =
        QDBusMessage::createMethodCall(watcherService, watcherPath, u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    get << watcherService << u"IsStatusNotifierHostRegistered"_s;
    if (const QDBusReply<QDBusVariant> host = QDBusConnection::sessionBus().call(get);
        host.isValid() && host.value().variant().toBool())
        return true;
    return m_platform.iconWouldShow();
}

void TrayArrival::hostRegistered()
{
    Q_EMIT arrived(Protocol::StatusNotifierItem);
}

} // namespace corvel
