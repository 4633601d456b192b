#pragma once

#include <QString>

namespace corvel {

// Where a local server listens that would listen on a socket file at the given path.
struct LocalAddress {
    QString name;
    // A name in Linux's abstract socket namespace: no file, gone with its listener.
    bool abstract = false;
};

[[nodiscard]] LocalAddress localAddress(const QString &socketPath);

} // namespace corvel
