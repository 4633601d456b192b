#include "platform/trace.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace corvel {

namespace {

TraceSink &sink()
{
    static TraceSink current;
    return current;
}

// A reader that went away must not kill us with SIGPIPE, and a reader that stopped reading a
// pipe must not stall the chat: on a pipe, a line that does not fit is dropped.
bool prepareStandardOutput()
{
    std::signal(SIGPIPE, SIG_IGN);
    struct stat info {};
    if (::fstat(STDOUT_FILENO, &info) == 0 && S_ISFIFO(info.st_mode)) {
        const int flags = ::fcntl(STDOUT_FILENO, F_GETFL);
        if (flags != -1)
            ::fcntl(STDOUT_FILENO, F_SETFL, flags | O_NONBLOCK);
    }
    return true;
}

void writeToStandardOutput(QStringView line)
{
    static const bool prepared = prepareStandardOutput();
    (void)prepared;
    QByteArray bytes = line.toUtf8();
    bytes.append('\n');
    const char *data = bytes.constData();
    auto left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
}

} // namespace

void trace(QStringView line)
{
    if (sink())
        sink()(line);
    else
        writeToStandardOutput(line);
}

TraceSink setTraceSink(TraceSink newSink)
{
    return std::exchange(sink(), std::move(newSink));
}

} // namespace corvel
