// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/standard_output.h"

#include <csignal>
#include <cstdio>

namespace corvel {

void ignoreClosedStandardOutput()
{
    // Only POSIX systems end a program that writes into a closed pipe.
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

// The C library's stream blocks until it is written; it is flushed at once, as each call hands
// over whole lines that are due now.
void writeStandardOutput(QByteArrayView bytes)
{
    if (std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stdout) == std::size_t(bytes.size()))
        std::fflush(stdout);
}

} // namespace corvel
