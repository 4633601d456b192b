#pragma once

#include <QStringView>

#include <functional>

namespace corvel {

// Writes one diagnostic line (UTF-8, then a newline) to standard output and flushes it. A closed
// or broken standard output is ignored: diagnostics never stop the program.
void trace(QStringView line);

// Tests divert the lines; an empty sink restores standard output.
using TraceSink = std::function<void(QStringView line)>;
void setTraceSink(TraceSink sink);

} // namespace corvel
