// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/standard_output.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <unistd.h>

namespace corvel {

void ignoreClosedStandardOutput()
{
    std::signal(SIGPIPE, SIG_IGN);
}

// Whole, also when standard output was left non-blocking by whoever opened it.
void writeStandardOutput(QByteArrayView bytes)
{
    const char *data = bytes.data();
    auto left = std::size_t(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd ready{STDOUT_FILENO, POLLOUT, 0};
            ::poll(&ready, 1, -1);
            continue;
        }
        if (written <= 0)
            return;
        data += written;
        left -= std::size_t(written);
    }
}

} // namespace corvel
