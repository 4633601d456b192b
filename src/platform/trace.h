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

// Tests divert the lines; an empty sink means standard output. Returns the sink it replaces.
using TraceSink = std::function<void(QStringView line)>;
TraceSink setTraceSink(TraceSink sink);

} // namespace corvel
