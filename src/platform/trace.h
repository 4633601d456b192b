// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <functional>

namespace corvel {

// The text with what could drive a terminal or mislead a reader shown escaped: C0 controls other
// than tab, DEL and C1 as \xHH; characters that reorder text or hide themselves, and the line and
// paragraph separators, as \uHHHH. What is left shows as one line, in the order it was written.
[[nodiscard]] QString visibleText(QStringView text);

// Writes one diagnostic line (UTF-8, then a newline) to standard output, shown as visibleText. The line is written
// whole or dropped (and counted), by a thread of its own: whatever standard output is, stopped, unread or closed,
// diagnostics never stop or stall the program.
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
