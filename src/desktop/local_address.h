// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLocalSocket;

namespace corvel {

// Where a local server listens that would listen on a socket file at the given path.
struct LocalAddress {
    QString name;
    // A name in Linux's abstract socket namespace: no file, gone with its listener.
    bool abstract = false;
};

[[nodiscard]] LocalAddress localAddress(const QString &socketPath);

// Whether the server at the other end of a connected local socket runs as this user. An abstract
// name has no permissions, so another user may have taken it first; where nobody else can listen
// (a socket file in the user's own directory, a named pipe), it does.
[[nodiscard]] bool servedByThisUser(const QLocalSocket &socket);

} // namespace corvel
