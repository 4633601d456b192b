// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/single_instance.h"

#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

// A copy that holds the lock may still be starting and not yet listen: it gets this long.
constexpr int connectAttempts = 30;
constexpr int connectWaitMs = 100;

// ":0", "wayland-0" or a socket path, made fit for a file name.
QString displayName()
{
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = u"none"_s;
    static const QRegularExpression unfit(u"[^A-Za-z0-9_.:-]"_s);
    return display.replace(unfit, u"_"_s);
}

} // namespace

SingleInstance::SingleInstance(const QString &runtimeDirectory, const QString &display)
    : m_lock(runtimeDirectory + u"/corvel-"_s + display + u".lock"_s),
      m_socket(localAddress(runtimeDirectory + u"/corvel-"_s + display + u".socket"_s))
{
    // The running copy holds the lock for as long as it runs: only a dead owner makes it stale.
    m_lock.setStaleLockTime(0);
}

SingleInstance::SingleInstance()
    : SingleInstance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), displayName())
{
}

bool SingleInstance::claim()
{
    if (m_lock.tryLock(0))
        return true;
    // A runtime directory that takes no files must not keep the program from starting.
    if (m_lock.error() != QLockFile::LockFailedError)
        return true;
    m_reached = askRunningCopyToShow();
    return false;
}

bool SingleInstance::askRunningCopyToShow()
{
    QLocalSocket socket;
    if (m_socket.abstract)
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    for (int attempt = 0; attempt < connectAttempts; ++attempt) {
        socket.connectToServer(m_socket.name);
        // Being connected is the request: the running copy reads nothing. (Whether a write had
        // to wait says nothing either: a write that went out at once waits for nothing.)
        if (socket.waitForConnected(connectWaitMs)) {
            const bool ours = servedByThisUser(socket);
            socket.disconnectFromServer();
            if (ours)
                return true;
            // Another user holds the name: no copy of ours can ever be reached there.
            m_takenByOtherUser = true;
            return false;
        }
        QThread::msleep(connectWaitMs);
    }
    return false;
}

bool SingleInstance::listen()
{
    if (!m_lock.isLocked())
        return true;
    if (m_socket.abstract) {
        m_server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    } else {
        // A socket file left by a copy that crashed would keep the server from listening.
        QLocalServer::removeServer(m_socket.name);
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
    }
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        // Being reached is the whole request: nothing the other side wrote is read.
        while (QLocalSocket *launch = m_server.nextPendingConnection()) {
            launch->deleteLater();
            Q_EMIT launched();
        }
    });
    if (m_server.listen(m_socket.name))
        return true;
    m_listenError = m_server.errorString();
    return false;
}

} // namespace corvel
