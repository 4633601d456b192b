#pragma once

#include <QString>
#include <QStringView>

#include <functional>

namespace corvel {

// Writes one diagnostic line (UTF-8, then a newline) to standard output and flushes it. A closed
// or broken standard output is ignored: diagnostics never stop the program.
void trace(QStringView line);
inline void trace(const QString &line)
{
    trace(QStringView(line));
}

// While one lives, lines wait and then go out together, in writes of whole lines, when the last one
// ends: a pass over many datagrams costs a few writes instead of one per line. Main thread only.
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
