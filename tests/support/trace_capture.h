// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/trace.h"

#include <QStringList>

namespace corvel::test {

// Collects the diagnostic lines for as long as it lives; a test keeps one as a member to stay quiet.
class TraceCapture {
public:
    TraceCapture() : m_previous(setTraceSink([this](QStringView line) { lines.append(line.toString()); })) {}
    ~TraceCapture() { setTraceSink(std::move(m_previous)); }
    TraceCapture(const TraceCapture &) = delete;
    TraceCapture &operator=(const TraceCapture &) = delete;

    QStringList lines;

private:
    TraceSink m_previous;
};

} // namespace corvel::test
