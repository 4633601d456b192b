// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/local_address.h"

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace corvel {

// One copy per user and display. A later launch asks the running copy to show its window and
// then ends; the lock file tells a running copy from one that crashed, whose socket file is then
// simply replaced.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The lock and the socket of this process's display, in this user's runtime directory.
    SingleInstance();
    // The lock and the socket of one display, in the given per-user runtime directory.
    SingleInstance(const QString &runtimeDirectory, const QString &display);

    // True when this process is now the running copy, or when the runtime directory cannot tell.
    // Otherwise the running copy has been asked to show itself, or could not be reached, which the
    // caller learns from reachedRunningCopy().
    [[nodiscard]] bool claim();
    [[nodiscard]] bool reachedRunningCopy() const { return m_reached; }
    // Whether the running copy's address was held by another user's program, which was not asked.
    [[nodiscard]] bool takenByOtherUser() const { return m_takenByOtherUser; }

    // Once this process holds the lock: every later launch is told by launched(). False when later
    // launches cannot reach this copy, for the reason in listenError().
    [[nodiscard]] bool listen();
    [[nodiscard]] QString listenError() const { return m_listenError; }

Q_SIGNALS:
    // The program was launched again, and asks this copy to show its window.
    void launched();

private:
    bool askRunningCopyToShow();

    QLockFile m_lock;
    LocalAddress m_socket;
    QLocalServer m_server;
    QString m_listenError;
    bool m_reached = false;
    bool m_takenByOtherUser = false;
};

} // namespace corvel
