#include "platform/trace.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <climits>
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

struct Batch {
    int depth = 0;
    QByteArray lines;
};

Batch &batch()
{
    static Batch current;
    return current;
}

void writeToStandardOutput(QByteArrayView bytes)
{
    static const bool prepared = prepareStandardOutput();
    (void)prepared;
    const char *data = bytes.data();
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

// A write to a pipe of at most PIPE_BUF bytes goes in whole or not at all, so lines are grouped
// into writes of that size; a longer line goes alone.
void writeWholeLines(QByteArrayView lines)
{
    while (!lines.isEmpty()) {
        qsizetype size = lines.indexOf('\n') + 1;
        for (qsizetype next = size; next > 0 && next <= PIPE_BUF; next = lines.indexOf('\n', next) + 1)
            size = next;
        writeToStandardOutput(lines.first(size));
        lines = lines.sliced(size);
    }
}

} // namespace

void trace(QStringView line)
{
    if (sink()) {
        sink()(line);
        return;
    }
    if (batch().depth > 0) {
        batch().lines.append(line.toUtf8()).append('\n');
        return;
    }
    QByteArray bytes = line.toUtf8();
    bytes.append('\n');
    writeToStandardOutput(bytes);
}

TraceBatch::TraceBatch()
{
    ++batch().depth;
}

TraceBatch::~TraceBatch()
{
    if (--batch().depth > 0)
        return;
    writeWholeLines(batch().lines);
    batch().lines.clear();
}

TraceSink setTraceSink(TraceSink newSink)
{
    return std::exchange(sink(), std::move(newSink));
}

} // namespace corvel
