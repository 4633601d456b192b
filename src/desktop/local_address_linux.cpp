// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/local_address.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLocalSocket>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace corvel {

// A socket path must fit the kernel's address (108 bytes with its terminating zero), and some
// sandboxes make runtime directories longer. Such a path names an abstract socket instead, which
// needs no file; the hash keeps it to this user and display as the path did.
LocalAddress localAddress(const QString &socketPath)
{
    if (std::size_t(QFile::encodeName(socketPath).size()) < sizeof(sockaddr_un::sun_path))
        return {socketPath};
    return {u"corvel-"_s +
                QString::fromLatin1(QCryptographicHash::hash(socketPath.toUtf8(), QCryptographicHash::Sha256).toHex()),
            true};
}

bool servedByThisUser(const QLocalSocket &socket)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

} // namespace corvel
