#pragma once

#include <QString>
#include <QStringView>

#include <functional>

namespace corvel {

// Writes one diagnostic line (UTF-8, then a newline) to standard output, control characters shown
// as \xHH. The line is written whole or dropped (and counted), by a thread of its own: whatever
// standard output is, stopped, unread or closed, diagnostics never stop or stall the program.
void trace(QStringView line);
inline void trace(const QString &line)
{
    trace(QStringView(line));
}

// While one lives, lines wait and are then handed over together when the last one ends: a pass
// over many datagrams costs one hand-over instead of one per line. Main thread only.
class TraceBatch {
public:
    TraceBatch();
    ~TraceBatch();
    TraceBatch(const TraceBatch &) = delete;
    TraceBatch &operator=(const TraceBatch &) = delete;
};

// Tests divert the lines; an empty sink means standard output. Returns the sink it replaces.
using TraceSink = std::function<void(QStringView line)>;
TraceSink setTraceSink(TraceSink sink);

} // namespace corvel
